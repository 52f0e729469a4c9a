// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel/PanelReadouts.h"

#include "editing/ScaleSession.h"
#include "view/canvas/ScaleView.h"
#include "view/panel/PanelText.h"
#include "view/panel/ParameterBar.h"

namespace quirn {

PanelReadouts::PanelReadouts(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                             QObject* parent)
    : QObject(parent), bar_(bar), session_(session) {
    connect(&session_.view(), &ViewState::changed, this, [this] { ShowZoom(); });
    connect(&view, &ScaleView::zoomChanged, this, [this] { ShowZoom(); });
    connect(&view, &ScaleView::cursorMoved, this, [this](int x, int y) { ShowCursor(x, y); });
}

void PanelReadouts::ShowZoom() {
    bar_.setText(BarControl::ZoomReadout,
                 QString::fromStdString(ZoomReadoutText(session_.scene().zoomPercent)));
}

void PanelReadouts::ShowCursor(int x, int y) {
    bar_.setText(BarControl::CursorReadout, QString::fromStdString(CursorReadoutText(x, y)));
}

}  // namespace quirn
