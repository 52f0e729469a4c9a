// SPDX-License-Identifier: GPL-3.0-or-later
// A parameter bar above a view in one shown window, bound to one scale session as the main window
// binds them, for tests that drive the real widgets.
#pragma once

#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "model/Document.h"
#include "view/PanelBinding.h"
#include "view/ParameterBar.h"
#include "view/PrintBinding.h"
#include "view/ScaleSession.h"
#include "view/ScaleView.h"

namespace quirn::test {

struct ViewHost {
    std::unique_ptr<QWidget> window;  // owns the rest but printing
    ParameterBar* bar = nullptr;
    ScaleSession* session = nullptr;
    ScaleView* view = nullptr;
    PanelBinding* panel = nullptr;
    std::shared_ptr<PrintBinding> printing;
    // What the panel told the user, instead of a message box that would wait for a click.
    std::shared_ptr<QStringList> warnings = std::make_shared<QStringList>();
};

// The window owns the bar and the view; false when it was never exposed.
inline bool HostView(Document& doc, ViewHost& host) {
    host.window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(host.window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    host.bar = new ParameterBar(host.window.get());
    host.session = new ScaleSession(doc, host.window.get());
    host.view = new ScaleView(*host.session, host.window.get());
    host.panel = new PanelBinding(*host.bar, *host.session, *host.view, host.window.get());
    host.panel->setWarningHandler(
        [warnings = host.warnings](const QString& text) { warnings->append(text); });
    host.printing = std::make_shared<PrintBinding>(*host.session, *host.view);
    layout->addWidget(host.bar);
    layout->addWidget(host.view);
    host.window->resize(1000, 700);
    host.window->show();
    return QTest::qWaitForWindowExposed(host.window.get());
}

}  // namespace quirn::test
