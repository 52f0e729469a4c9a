// A parameter bar above a view in one shown window, laid out as the main frame does, for tests
// that drive the real widgets.
#pragma once

#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "model/CQuirnDoc.h"
#include "view/CQuirnView.h"
#include "view/ParameterBar.h"

namespace quirn::test {

struct ViewHost {
    std::unique_ptr<QWidget> window;
    ParameterBar* bar = nullptr;
    CQuirnView* view = nullptr;
};

// The window owns the bar and the view; false when it was never exposed.
inline bool HostView(CQuirnDoc& doc, ViewHost& host) {
    host.window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(host.window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    host.bar = new ParameterBar(host.window.get());
    host.view = new CQuirnView(doc, *host.bar, host.window.get());
    layout->addWidget(host.bar);
    layout->addWidget(host.view);
    host.window->resize(1000, 700);
    host.window->show();
    return QTest::qWaitForWindowExposed(host.window.get());
}

}  // namespace quirn::test
