// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's two readouts: the zoom, and where the cursor stands over the drawing.
#pragma once

#include <QObject>

namespace quirn {

class ParameterBar;
class ScaleSession;
class ScaleView;

class PanelReadouts : public QObject {
    Q_OBJECT
  public:
    PanelReadouts(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                  QObject* parent = nullptr);

  private:
    void ShowZoom();
    void ShowCursor(int x, int y);

    ParameterBar& bar_;
    ScaleSession& session_;
};

}  // namespace quirn
