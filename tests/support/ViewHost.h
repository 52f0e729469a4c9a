// SPDX-License-Identifier: GPL-3.0-or-later
// A parameter bar above a view in one shown window, bound to one scale session as the main window
// binds them, for tests that drive the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <string>

#include "app/ExportCommand.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/ParameterText.h"
#include "support/ScriptedPrompts.h"
#include "view/canvas/ScaleView.h"
#include "view/dialogs/PrintBinding.h"
#include "view/panel/PanelFields.h"
#include "view/panel/PanelReadouts.h"
#include "view/panel/ParameterBar.h"
#include "view/template/TemplateControls.h"

namespace quirn::test {

struct ViewHost {
    // What the parts told the user, instead of a message box that would wait for a click, and
    // the answers a test scripts. Outlives the window.
    std::shared_ptr<ScriptedPrompts> prompts = std::make_shared<ScriptedPrompts>();
    std::unique_ptr<QWidget> window;  // owns the rest but printing
    ParameterBar* bar = nullptr;
    ScaleSession* session = nullptr;
    ScaleView* view = nullptr;
    PanelFields* panel = nullptr;
    TemplateControls* templateControls = nullptr;
    std::shared_ptr<PrintBinding> printing;
};

// The window owns the bar and the view; false when it was never exposed.
inline bool HostView(Document& doc, ViewHost& host) {
    host.window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(host.window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    host.bar = new ParameterBar(host.window.get());
    host.session = new ScaleSession(doc, host.window.get());
    host.view = new ScaleView(*host.session, host.window.get());
    UserPrompts& prompts = *host.prompts;
    host.panel = new PanelFields(*host.bar, *host.session, prompts, host.window.get());
    host.templateControls =
        new TemplateControls(*host.bar, *host.session, *host.view, prompts, host.window.get());
    new PanelReadouts(*host.bar, *host.session, *host.view, host.window.get());
    // The export runs as the main window's command does, at the default printer's resolution.
    // Its handler holds the prompts, so that they live as long as the window and its parts.
    QObject::connect(
        host.bar->button(BarControl::ExportPicture), &QPushButton::clicked, host.window.get(),
        [session = host.session, prompts = host.prompts, memory = std::make_shared<ExportMemory>(),
         window = host.window.get()] {
            RunPictureExport(*session, nullptr, *prompts, *memory, ExportStart::Bitmap, window);
        });
    host.printing = std::make_shared<PrintBinding>(*host.session, *host.view, prompts);
    layout->addWidget(host.bar);
    layout->addWidget(host.view);
    host.window->resize(1000, 700);
    host.window->show();
    return QTest::qWaitForWindowExposed(host.window.get());
}

// A hosted view showing the default record, working in a scratch folder of its own so that
// nothing a test writes lands beside the sources.
class HostedViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir_.path());
        ASSERT_TRUE(HostView(doc_, host_));
        host_.session->Show(kDefaultParameters);
    }
    void TearDown() override {
        host_.window.reset();
        QDir::setCurrent(saved_);
    }

    QTemporaryDir dir_;
    QString saved_ = QDir::currentPath();
    Document doc_;
    ViewHost host_;
};

// The value of a key's line in the record as it would be saved (UTF-8); empty without one.
inline std::string SavedLine(const ScaleParameters& record, const std::string& key) {
    const std::string text = WriteParameterText(record, FileTextForm::Utf8);
    const std::string start = "\r\n" + key + "\t= ";
    const auto at = text.find(start);
    if (at == std::string::npos) return {};
    const auto from = at + start.size();
    return text.substr(from, text.find("\r\n", from) - from);
}

}  // namespace quirn::test
