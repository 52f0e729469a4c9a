#include "view/CQuirnView.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "model/TextCodec.h"
#include "render/RenderScale.h"
#include "render/Saturate.h"
#include "render/SymbolImages.h"
#include "view/PanelText.h"
#include "view/ViewMapping.h"

namespace quirn {

CQuirnView::CQuirnView(CQuirnDoc& doc, ParameterBar& bar, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), bar_(bar) {
    viewport()->setMouseTracking(true);
    // Every paint covers the whole viewport itself; letting Qt erase it first would flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    state_.symbols = LoadSymbolImages();
    // The calibration is in force before anything is drawn.
    calibration_ = LoadScreenCalibration(kScreenIniName, ReportedScreenWidthMm());
    state_.Ksrn = calibration_.Ksrn;
    ConnectPanel();
    doc_.setInitialUpdateHandler([this] { OnInitialUpdate(); });
}

CQuirnView::~CQuirnView() {
    doc_.setInitialUpdateHandler({});
    // A view that never showed a document holds no parameters worth keeping.
    if (hasRecord_) SaveInitialParameters();
}

void CQuirnView::SaveInitialParameters() const {
    // A failed write keeps the previous file; the handler tells the user.
    const FileError error = WriteInitialParameters(state_.params);
    if (error != FileError::None && initialParametersFailed_) initialParametersFailed_(error);
}

void CQuirnView::ConnectPanel() {
    using C = BarControl;
    connect(bar_.button(C::Apply), &QPushButton::clicked, this, [this] { OnApplyParameters(); });
    connect(bar_.radio(C::SquareShape), &QRadioButton::clicked, this, [this] { OnSquareShape(); });
    connect(bar_.radio(C::RadialShape), &QRadioButton::clicked, this, [this] { OnRadialShape(); });
    connect(bar_.checkBox(C::Arc), &QCheckBox::clicked, this, [this] { OnArcToggle(); });
    connect(bar_.button(C::ExportPicture), &QPushButton::clicked, this,
            [this] { OnExportPicture(); });
    connect(bar_.button(C::TemplateButton), &QPushButton::clicked, this,
            [this] { OnTemplateButton(); });
    for (C field : {C::TemplateWidth, C::TemplateX, C::TemplateY})
        connect(bar_.edit(field), &QLineEdit::textChanged, this,
                [this, field] { OnTemplateFieldChanged(field); });
    for (C spinner : {C::TemplateWidthSpinner, C::TemplateXSpinner, C::TemplateYSpinner})
        connect(bar_.spinner(spinner), &QSpinBox::valueChanged, this,
                [this, spinner](int value) { OnTemplateSpinnerStep(spinner, value); });
}

void CQuirnView::OnInitialUpdate() {
    hasRecord_ = true;
    viewport()->update();
    UpdateScrollSizes(100, 100);
    bar_.spinner(BarControl::TemplateWidthSpinner)->setRange(0, 10000);
    bar_.spinner(BarControl::TemplateXSpinner)->setRange(-10000, 10000);
    bar_.spinner(BarControl::TemplateYSpinner)->setRange(-10000, 10000);

    state_.params = doc_.parameters();
    // The template reaches 1 mm beyond the plate on both sides and below its bottom edge.
    const ScaleParameters& p = state_.params;
    const std::int64_t axisHeight = std::int64_t{p.Los_niz} - p.Los_os;
    state_.axisHeight = ClampToInt(axisHeight);
    state_.templ.width = ClampToInt(std::int64_t{p.Lshk} + 200);
    state_.templ.anchor = At(-100 - p.Lshk / 2, -100 - axisHeight);

    doc_.SetPathName(Cp1251ToUtf8(ComposeDescription(p)), false);
    state_.zoom = 1;
    FillParameterBar();
    ResetLayout();
}

void CQuirnView::ResetLayout() {
    quirn::ResetLayout(state_);
    drag_ = DragState{};
    ShowZoom();
}

void CQuirnView::ShowZoom() {
    bar_.setText(BarControl::ZoomReadout, QString::fromStdString(ZoomReadoutText(state_.zoom)));
}

void CQuirnView::setKsrn(double Ksrn) {
    state_.Ksrn = Ksrn;
    viewport()->update();
}

ReferenceDevice CQuirnView::CurrentScreenDevice() const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {96, 254};
    const double ratio = screen->devicePixelRatio();
    const double logicalWidth = screen->geometry().width();
    ReferenceDevice metric;
    metric.pixelsAcross = std::max<std::int64_t>(std::llround(logicalWidth * ratio), 1);
    metric.tenthsOfMmAcross = std::llround(screen->physicalSize().width()) * 10;
    // A display that reports no physical size is taken at its logical resolution.
    if (metric.tenthsOfMmAcross <= 0) {
        const double dpi = screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : 96;
        metric.tenthsOfMmAcross = std::max<std::int64_t>(std::llround(logicalWidth / dpi * 254), 1);
    }
    return metric;
}

void CQuirnView::UpdateScrollSizes(int totalWidth, int totalHeight) {
    const int ww = width();
    const int wh = height();
    const auto setUp = [](QScrollBar* bar, int total, int visible, int outer) {
        bar->setRange(0, std::max(total - visible, 0));
        bar->setPageStep(std::max(outer - 100, 1));
        bar->setSingleStep(std::max((outer - 100) / 5 + 1, 1));
    };
    setUp(horizontalScrollBar(), totalWidth, viewport()->width(), ww);
    setUp(verticalScrollBar(), totalHeight, viewport()->height(), wh);
}

ReferenceDevice CQuirnView::ViewDevice() const {
    ReferenceDevice device = CurrentScreenDevice();
    device.windowOuterWidthPx =
        static_cast<int>(std::lround(width() * viewport()->devicePixelRatioF()));
    return device;
}

void CQuirnView::Refresh() {
    LayOutScale(state_, false);
    state_.canvas = Canvas{};
    state_.canvas.geometry = ComputeCanvasGeometry(state_, ViewDevice(), true);
}

QRect CQuirnView::WindowOnCanvas() const {
    const double ratio = viewport()->devicePixelRatioF();
    return {QPoint(int(std::lround(scroll_.x() * ratio)), int(std::lround(scroll_.y() * ratio))),
            QSize(int(std::ceil(viewport()->width() * ratio)),
                  int(std::ceil(viewport()->height() * ratio)))};
}

QRect CQuirnView::CanvasToClient(const QRect& canvasPixels) const {
    const double ratio = viewport()->devicePixelRatioF();
    const QRect window = WindowOnCanvas();
    const QRectF logical(
        QPointF(canvasPixels.left() - window.left(), canvasPixels.top() - window.top()) / ratio,
        QSizeF(canvasPixels.size()) / ratio);
    return logical.toAlignedRect();
}

void CQuirnView::paintEvent(QPaintEvent*) {
    const double ratio = viewport()->devicePixelRatioF();
    Refresh();
    const CanvasGeometry& g = state_.canvas.geometry;
    // The canvas is always at least as wide as the view's outer rectangle; without the 22
    // pixels a horizontal scroll bar would show where there is nothing to scroll to.
    UpdateScrollSizes(static_cast<int>(std::ceil(g.pixelWidth / ratio)) - 22,
                      static_cast<int>(std::ceil(g.pixelHeight / ratio)));

    QImage shown = picture_.picture(state_, WindowOnCanvas());
    shown.setDevicePixelRatio(ratio);
    QPainter painter(viewport());
    painter.drawImage(QPoint(0, 0), shown);
}

void CQuirnView::scrollContentsBy(int, int) {
    scroll_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

void CQuirnView::wheelEvent(QWheelEvent* event) {
    // The wheel zooms and never scrolls, one step per notification whatever its size, and keeps
    // the point of the drawing under the cursor where it is.
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0) return;  // a sideways tilt or the end of a touchpad gesture
    const int zoom = state_.zoom + (delta > 0 ? 1 : -1);
    if (zoom < 1 || zoom > 10) return;

    const double ratio = viewport()->devicePixelRatioF();
    const ReferenceDevice device = ViewDevice();
    const QPoint at = event->position().toPoint();
    const Point under = ViewToDrawing(ComputeCanvasGeometry(state_, device, true), {at.x(), at.y()},
                                      {scroll_.x(), scroll_.y()}, ratio);
    state_.zoom = zoom;
    const CanvasGeometry g = ComputeCanvasGeometry(state_, device, true);
    UpdateScrollSizes(static_cast<int>(std::ceil(g.pixelWidth / ratio)) - 22,
                      static_cast<int>(std::ceil(g.pixelHeight / ratio)));
    const Point px = DrawingToCanvasPixel(g, under);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(px.x / ratio)) - at.x());
    verticalScrollBar()->setValue(static_cast<int>(std::lround(px.y / ratio)) - at.y());
    scroll_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
    ShowZoom();
}

bool CQuirnView::eventFilter(QObject* watched, QEvent* event) {
    // The wheel zooms over the scroll bars too.
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace quirn
