// SPDX-License-Identifier: GPL-3.0-or-later
// The view on real widgets: initial update, Apply, the enabling rules, zoom, the readouts,
// dragging, and the parameters kept between runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "model/Document.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "peripherals/PictureExport.h"
#include "render/ScaleDrawing.h"
#include "support/ViewHost.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"
#include "view/panel/PanelText.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

using C = BarControl;
using E = MovableElement;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Keeps the current directory in a temporary one, where the view writes Initial.qrn.
class InTemporaryDirectory {
  public:
    InTemporaryDirectory() : saved_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~InTemporaryDirectory() { QDir::setCurrent(saved_); }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  private:
    QTemporaryDir dir_;
    QString saved_;
};

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        warnings_ = std::shared_ptr<QStringList>(host.prompts, &host.prompts->warnings);
        bar_ = host.bar;
        view_ = host.view;
        view_->session().Show(kDefaultParameters);
        Paint();
    }
    void TearDown() override { host_.reset(); }

    void Paint() { view_->viewport()->repaint(); }
    CanvasGeometry Geometry() const { return view_->Shown().geometry; }
    // Drawing units per canvas pixel.
    double UnitsPerPixel() const { return 1.0 / Geometry().pixelsPerUnit(); }
    QPoint ClientOf(Point drawing) const {
        const Point px = DrawingToCanvasPixel(Geometry(), drawing);
        return QPoint(px.x, px.y) - view_->scrollPosition();
    }
    Point Anchor(E e) const { return view_->Shown().laid.layout.anchors[Index(e)]; }
    // Puts a drawn element at an anchor, as a drag that ends there does.
    void PlaceAt(E e, Point anchor) {
        ElementMoves moves{{e}, {}, {}, 0};
        moves.anchors[Index(e)] = anchor;
        MoveElements(view_->session().record(), moves);
    }
    // Loads a grey picture of 400 x 300 pixels as the template.
    void LoadGreyTemplate() {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::lightGray);
        ASSERT_TRUE(image.save(cwd_.path("template.bmp")));
        ASSERT_TRUE(view_->session().templates().Load(cwd_.path("template.bmp")).ok());
    }
    Extent Drawn(E e) const { return view_->Shown().laid.sizes[Index(e)]; }

    void Wheel(int delta, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        const QPointF at(100, 100);
        QWheelEvent event(at, view_->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view_->viewport(), &event);
    }
    void Press(QPoint at) { QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, at); }
    void Release(QPoint at) { QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, at); }
    // A move with the left button held.
    void Drag(QPoint to) {
        QMouseEvent event(QEvent::MouseMove, QPointF(to),
                          view_->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view_->viewport(), &event);
    }
    // The middle of an element's cell, as laid out.
    QPoint Middle(E e) const {
        const Box b = ElementBox(e, Anchor(e), Drawn(e), std::nullopt);
        return ClientOf({b.left / 2 + b.right / 2, b.top / 2 + b.bottom / 2});
    }
    QImage Picture() const {
        return view_->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QString Text(C id) const { return bar_->text(id); }
    Qt::CursorShape Cursor() const { return view_->viewport()->cursor().shape(); }

    InTemporaryDirectory cwd_;
    Document doc_;
    std::unique_ptr<QWidget> host_;
    std::shared_ptr<QStringList> warnings_;
    ParameterBar* bar_ = nullptr;
    ScaleView* view_ = nullptr;
};

TEST_F(ViewTest, InitialUpdateFillsThePanelTitleAndTemplateDefaults) {
    EXPECT_EQ(doc_.title(), "M4200, 69x60, 15V");
    EXPECT_FALSE(doc_.isModified());
    EXPECT_EQ(view_->session().scene().params, kDefaultParameters);
    EXPECT_EQ(Text(C::Name), "M4200");
    EXPECT_EQ(Text(C::Range), "15");
    EXPECT_EQ(Text(C::HalfAngle), "42.5");
    EXPECT_EQ(Text(C::SmallTickLength), "3");
    EXPECT_EQ(Text(C::SmallTickWidth), "0.2");
    EXPECT_EQ(Text(C::PlateWidth), "69");
    EXPECT_EQ(Text(C::Divisions), "30");
    EXPECT_TRUE(bar_->isChecked(C::SquareShape));
    EXPECT_TRUE(bar_->isChecked(C::TicksOutward));
    EXPECT_FALSE(bar_->isChecked(C::ArcShown));
    EXPECT_TRUE(bar_->control(C::PlateHeight)->isEnabled());
    EXPECT_FALSE(bar_->control(C::OuterRadius)->isEnabled());
    EXPECT_FALSE(bar_->control(C::ArcWidth)->isEnabled());
    EXPECT_TRUE(bar_->control(C::CornerBevel)->isEnabled());

    // Width plateWidth + 2 mm, 1 mm left of the plate and 1 mm below its bottom edge.
    EXPECT_EQ(Text(C::TemplateWidth), "71.00");
    EXPECT_EQ(Text(C::TemplateX), "-35.50");
    EXPECT_EQ(Text(C::TemplateY), "-4.00");
    EXPECT_EQ(bar_->spinner(C::TemplateWidthSpinner)->value(), 7100);
    EXPECT_EQ(bar_->spinner(C::TemplateXSpinner)->value(), -3550);
    EXPECT_EQ(bar_->spinner(C::TemplateYSpinner)->value(), -400);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 100%"));
    EXPECT_GT(view_->picture().wholePaints(), 0);
}

// Applied untouched, the file's values stay as written; a choice the user makes is stored as 1.
TEST_F(ViewTest, ARecordOfAnotherShapeIsShownRadialAndKeptUntilChosenAgain) {
    ScaleParameters p = kDefaultParameters;
    p.shape = 2;
    p.arcShown = 3;
    p.ticksInward = 5;
    view_->session().Show(p);
    EXPECT_FALSE(bar_->isChecked(C::SquareShape));
    EXPECT_TRUE(bar_->control(C::OuterRadius)->isEnabled());
    EXPECT_TRUE(bar_->control(C::ArcWidth)->isEnabled());
    bar_->button(C::Apply)->click();
    EXPECT_EQ(view_->session().scene().params, p);
    QTest::mouseClick(bar_->radio(C::SquareShape), Qt::LeftButton);
    QTest::mouseClick(bar_->radio(C::RadialShape), Qt::LeftButton);
    QTest::mouseClick(bar_->checkBox(C::ArcShown), Qt::LeftButton);
    QTest::mouseClick(bar_->checkBox(C::ArcShown), Qt::LeftButton);
    bar_->button(C::Apply)->click();
    EXPECT_EQ(view_->session().scene().params.shape, 2) << "chosen as it was: no edit";
    EXPECT_EQ(view_->session().scene().params.arcShown, 3);
    QTest::mouseClick(bar_->radio(C::TicksOutward), Qt::LeftButton);
    bar_->button(C::Apply)->click();
    EXPECT_EQ(view_->session().scene().params.ticksInward, 0);
}

TEST_F(ViewTest, ApplyCarriesTypedTextIntoTheDocumentAndTheTitle) {
    QTest::mouseClick(bar_->radio(C::RadialShape), Qt::LeftButton);
    ASSERT_FALSE(bar_->control(C::PlateHeight)->isEnabled());
    bar_->setText(C::PlateHeight, "55");  // disabled, and read all the same
    bar_->setText(C::Range, "0,25");
    bar_->setText(C::PlateWidth, "70,5");
    bar_->setText(C::BigTickLength, "12.345");
    bar_->setText(C::HalfAngle, " 30,5");
    bar_->setText(C::Divisions, "12");
    bar_->setText(C::Name, U("Э59"));
    bar_->setText(C::Unit, U("мА"));
    QTest::mouseClick(bar_->radio(C::TicksInward), Qt::LeftButton);
    QTest::mouseClick(bar_->checkBox(C::ArcShown), Qt::LeftButton);
    bar_->setText(C::ArcWidth, "0,4");
    QTest::keyClick(bar_->edit(C::PlateWidth), Qt::Key_Return);

    EXPECT_TRUE(warnings_->isEmpty()) << warnings_->join(QLatin1Char('\n')).toStdString();
    const ScaleParameters& p = view_->session().scene().params;
    EXPECT_EQ(p.shape, 1);
    EXPECT_EQ(p.plateHeight, 5500);
    EXPECT_DOUBLE_EQ(p.range, 0.25);
    EXPECT_EQ(p.plateWidth, 7050);
    EXPECT_EQ(p.bigTickLength, 1234);
    EXPECT_DOUBLE_EQ(p.halfAngle, 30.5);
    EXPECT_EQ(p.divisions, 12);
    EXPECT_EQ(p.ticksInward, 1);
    EXPECT_EQ(p.arcShown, 1);
    EXPECT_EQ(p.arcWidth, 40);
    EXPECT_EQ(p.name,
              "\xDD"
              "59");  // Windows-1251
    EXPECT_EQ(p.unit, "\xEC\xC0");
    EXPECT_EQ(p.tickRadius, kDefaultParameters.tickRadius);  // untouched fields keep their values
    EXPECT_TRUE(doc_.isModified());
    // A radial plate is titled with its real height: its outer radius and the axis's height.
    EXPECT_EQ(doc_.title(), "Э59, 70.5x60, 0.25мА");
    EXPECT_EQ(view_->session().scene().params, p);
    EXPECT_EQ(Text(C::Range), "0,25");  // the panel is not refilled
}

TEST_F(ViewTest, ApplyRefusesWhatCannotBeTakenAndKeepsTheFieldsAsTyped) {
    struct Case {
        C field;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {C::Range, "abc", "Диапазон шкалы: не число «abc»"},
        {C::Range, "12abc", "Диапазон шкалы: не число «12abc»"},
        {C::InnerRadius, "3 мм", "Внутренний радиус шкалы: не число «3 мм»"},
        {C::Divisions, "12.7", "Общее число делений: не целое число «12.7»"},
        {C::PlateWidth, "1e12", "Ширина шкалы: слишком большое число «1e12»"},
        {C::HalfAngle, "0", "Половинный угол шкалы: нужно больше 0 и не больше 180, а не «0»"},
        {C::HalfAngle, "200", "Половинный угол шкалы: нужно больше 0 и не больше 180, а не «200»"},
        // A range of zero leaves the scale without a span: the scales' own check refuses it.
        {C::Range, "0", "Шкала 1: начало шкалы совпадает с её концом (0)"},
    };
    const ScaleParameters before = view_->session().scene().params;
    const QImage picture = view_->viewport()->grab().toImage();
    for (const Case& c : cases) {
        const QString original = Text(c.field);
        bar_->setText(c.field, U(c.typed));
        QTest::keyClick(bar_->edit(c.field), Qt::Key_Return);
        ASSERT_EQ(warnings_->size(), 1) << c.typed;
        EXPECT_EQ(warnings_->takeFirst(), U(c.message));
        EXPECT_EQ(Text(c.field), U(c.typed)) << "kept as typed";
        EXPECT_EQ(view_->session().scene().params, before) << c.typed;
        EXPECT_FALSE(doc_.isModified());
        Paint();
        EXPECT_EQ(view_->viewport()->grab().toImage(), picture) << c.typed;
        bar_->setText(c.field, original);
    }
}

TEST_F(ViewTest, ShapeAndArcClicksOnlyToggleTheEnabling) {
    QTest::mouseClick(bar_->radio(C::RadialShape), Qt::LeftButton);
    EXPECT_FALSE(bar_->control(C::PlateHeight)->isEnabled());
    EXPECT_TRUE(bar_->control(C::OuterRadius)->isEnabled());
    QTest::mouseClick(bar_->radio(C::SquareShape), Qt::LeftButton);
    EXPECT_TRUE(bar_->control(C::PlateHeight)->isEnabled());
    EXPECT_FALSE(bar_->control(C::OuterRadius)->isEnabled());
    QTest::mouseClick(bar_->checkBox(C::ArcShown), Qt::LeftButton);
    EXPECT_TRUE(bar_->control(C::ArcWidth)->isEnabled());
    QTest::mouseClick(bar_->checkBox(C::ArcShown), Qt::LeftButton);
    EXPECT_FALSE(bar_->control(C::ArcWidth)->isEnabled());
    QTest::mouseClick(bar_->radio(C::RadialShape), Qt::LeftButton);
    EXPECT_EQ(view_->session().scene().params, kDefaultParameters);
    EXPECT_EQ(view_->session().scene().params, kDefaultParameters);
    EXPECT_FALSE(doc_.isModified());
}

TEST_F(ViewTest, EachWheelNotificationIsOneZoomStepFromAQuarterToTenfold) {
    for (int i = 0; i < 4; ++i) Wheel(120);
    Wheel(720);  // a large delta is still one step
    EXPECT_EQ(view_->session().scene().zoomPercent, 600);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 600%"));
    for (int i = 0; i < 4; ++i) Wheel(120);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 1000%"));
    Paint();

    QScrollBar* h = view_->horizontalScrollBar();
    QScrollBar* v = view_->verticalScrollBar();
    ASSERT_GT(h->maximum(), 1000);
    ASSERT_GT(v->maximum(), 1000);
    h->setValue(1000);
    v->setValue(1000);
    Wheel(120);  // beyond 10: nothing, not even the scroll position
    EXPECT_EQ(view_->session().scene().zoomPercent, 1000);
    EXPECT_EQ(h->value(), 1000);
    EXPECT_EQ(v->value(), 1000);
    Wheel(0);
    EXPECT_EQ(view_->session().scene().zoomPercent, 1000);

    // A step keeps the point of the drawing under the cursor where it is, as far as the scroll
    // range allows.
    const auto underCursor = [&] {
        return ViewToDrawing(Geometry(), {100, 100},
                             {view_->scrollPosition().x(), view_->scrollPosition().y()});
    };
    for (const int delta : {-120, -120, 120}) {
        const Point before = underCursor();
        const double pixel = UnitsPerPixel();
        Wheel(delta);
        Paint();
        const Point after = underCursor();
        EXPECT_NEAR(after.x, before.x, std::max(pixel, UnitsPerPixel())) << delta;
        EXPECT_NEAR(after.y, before.y, std::max(pixel, UnitsPerPixel())) << delta;
        EXPECT_EQ(view_->scrollPosition(), QPoint(h->value(), v->value()));
    }
    EXPECT_EQ(view_->session().scene().zoomPercent, 900);
    for (int i = 0; i < 8; ++i) Wheel(-120);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 100%"));
    // Below 100 % a half and a quarter, and nothing below that.
    for (const char* readout : {"Масштаб 50%", "Масштаб 25%", "Масштаб 25%"}) {
        Wheel(-120);
        EXPECT_EQ(Text(C::ZoomReadout), U(readout));
    }
    EXPECT_EQ(view_->session().scene().zoomPercent, 25);
    Wheel(120);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 50%"));
}

TEST_F(ViewTest, TheCursorReadoutGivesMillimetresFromTheAxis) {
    QTest::mouseMove(view_->viewport(), ClientOf({0, 0}));
    EXPECT_EQ(Text(C::CursorReadout), "X = 0.0; Y = 0.0");

    // At zoom 10 a pixel is finer than the readout's tenth of a millimetre.
    for (int i = 0; i < 9; ++i) Wheel(120);
    Paint();
    ASSERT_LT(UnitsPerPixel(), 5.0);
    const Point target = DrawingToCanvasPixel(Geometry(), {1234, -500});
    view_->horizontalScrollBar()->setValue(target.x - 300);
    view_->verticalScrollBar()->setValue(target.y - 200);
    ASSERT_EQ(view_->scrollPosition(), QPoint(target.x - 300, target.y - 200));
    QTest::mouseMove(view_->viewport(), ClientOf({1234, -500}));
    EXPECT_EQ(Text(C::CursorReadout), "X = 12.3; Y = -5.0");
}

TEST_F(ViewTest, TheReadoutStaysRightAfterApplyWhileScrolled) {
    for (int i = 0; i < 4; ++i) Wheel(120);
    Paint();
    const Point axis = DrawingToCanvasPixel(Geometry(), {0, 0});
    view_->horizontalScrollBar()->setValue(axis.x - 200);
    view_->verticalScrollBar()->setValue(axis.y - 100);
    ASSERT_GT(view_->scrollPosition().x(), 0);
    bar_->button(C::Apply)->click();
    Paint();
    QTest::mouseMove(view_->viewport(), ClientOf({0, 0}));
    EXPECT_EQ(Text(C::CursorReadout), "X = 0.0; Y = 0.0");
}

TEST_F(ViewTest, AGrabbedLabelFollowsTheCursorUntilRelease) {
    const Point a = Anchor(E::NameLabel);
    const Extent s = Drawn(E::NameLabel);
    ASSERT_GT(s.width, 0);
    const QPoint grab = ClientOf({a.x + s.width / 2, a.y - s.height / 2});
    Press(grab);
    EXPECT_TRUE(view_->drag().dragging(E::NameLabel));
    EXPECT_EQ(Cursor(), Qt::SizeAllCursor);
    Drag(grab + QPoint(100, 40));
    const Point moved = Anchor(E::NameLabel);
    EXPECT_NEAR(moved.x - a.x, 100 * UnitsPerPixel(), UnitsPerPixel());
    EXPECT_NEAR(moved.y - a.y, -40 * UnitsPerPixel(), UnitsPerPixel());
    EXPECT_EQ(Cursor(), Qt::SizeAllCursor);
    Release(grab + QPoint(100, 40));
    EXPECT_FALSE(view_->drag().any());
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    Drag(grab);  // nothing follows any more
    EXPECT_EQ(Anchor(E::NameLabel), moved);
    // The place is the document's now: a drag that moved something is a change to save.
    EXPECT_TRUE(doc_.isModified());
    EXPECT_NE(WriteParameterText(view_->session().scene().params)
                  .find("\r\nplace.name\t= " + std::to_string(moved.x) + " " +
                        std::to_string(moved.y) + "\r\n"),
              std::string::npos);

    // The unit moves up and down only.
    const Point u = Anchor(E::UnitLabel);
    const QPoint unit = ClientOf({u.x, u.y - Drawn(E::UnitLabel).height / 2});
    Press(unit);
    ASSERT_TRUE(view_->drag().dragging(E::UnitLabel));
    Drag(unit + QPoint(80, -30));
    Release(unit + QPoint(80, -30));
    EXPECT_EQ(Anchor(E::UnitLabel).x, u.x);
    EXPECT_NEAR(Anchor(E::UnitLabel).y - u.y, 30 * UnitsPerPixel(), UnitsPerPixel());

    // Apply keeps the places; only forgetting them puts everything back.
    const Point unitMoved = Anchor(E::UnitLabel);
    bar_->button(C::Apply)->click();
    Paint();
    EXPECT_EQ(Anchor(E::NameLabel), moved);
    EXPECT_EQ(Anchor(E::UnitLabel), unitMoved);
    ForgetPlaces(view_->session().record());
    Paint();
    EXPECT_NE(Anchor(E::NameLabel), moved);
    EXPECT_EQ(Anchor(E::UnitLabel), u);
}

// Below 100 % the cursor still lands on the drawing where it points: a label is grabbed at its
// middle and follows the cursor.
TEST_F(ViewTest, AtAHalfAndAQuarterALabelIsGrabbedAndMovedWhereTheCursorIs) {
    for (const char* readout : {"Масштаб 50%", "Масштаб 25%"}) {
        SCOPED_TRACE(readout);
        Wheel(-120);
        Paint();
        ASSERT_EQ(Text(C::ZoomReadout), U(readout));
        const Point a = Anchor(E::NameLabel);
        const QPoint grab = Middle(E::NameLabel);
        Press(grab);
        ASSERT_TRUE(view_->drag().dragging(E::NameLabel));
        Drag(grab + QPoint(10, 6));
        Release(grab + QPoint(10, 6));
        const Point moved = view_->session().scene().layout.anchors[Index(E::NameLabel)];
        EXPECT_NEAR(moved.x - a.x, 10 * UnitsPerPixel(), UnitsPerPixel());
        EXPECT_NEAR(moved.y - a.y, -6 * UnitsPerPixel(), UnitsPerPixel());
        // What the window shows is where the session has it.
        Paint();
        EXPECT_EQ(Middle(E::NameLabel), grab + QPoint(10, 6));
    }
}

// Shift with the wheel and the middle button move across the drawing, never the zoom.
TEST_F(ViewTest, ShiftWheelAndMiddleDragScrollWithoutZooming) {
    for (int i = 0; i < 5; ++i) Wheel(120);
    Paint();
    QScrollBar* h = view_->horizontalScrollBar();
    QScrollBar* v = view_->verticalScrollBar();
    h->setValue(500);
    v->setValue(500);
    Wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), 500 + h->singleStep());
    Wheel(240, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), 500 - h->singleStep());
    EXPECT_EQ(v->value(), 500);

    h->setValue(500);
    const auto middle = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), view_->viewport()->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::MiddleButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view_->viewport(), &event);
    };
    middle(QEvent::MouseButtonPress, {300, 300}, Qt::MiddleButton);
    EXPECT_EQ(Cursor(), Qt::ClosedHandCursor);
    middle(QEvent::MouseMove, {250, 270}, Qt::MiddleButton);
    // The drawing follows the hand: the window moves the other way.
    EXPECT_EQ(QPoint(h->value(), v->value()), QPoint(550, 530));
    EXPECT_EQ(view_->scrollPosition(), QPoint(550, 530));
    middle(QEvent::MouseButtonRelease, {250, 270}, Qt::NoButton);
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    EXPECT_FALSE(view_->drag().any());
    EXPECT_EQ(view_->session().scene().zoomPercent, 600);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 600%"));
}

TEST_F(ViewTest, AClickOnAnEdgeGrabsNothingAndOverlapsGoToTheFirstElement) {
    // Put the name's left edge exactly on the drawing position of a pixel, on the plate.
    const QPoint p = ClientOf({-2500, 5000});
    const Point d = ViewToDrawing(Geometry(), {p.x(), p.y()},
                                  {view_->scrollPosition().x(), view_->scrollPosition().y()});
    const int h = Drawn(E::NameLabel).height;
    PlaceAt(E::NameLabel, {d.x, d.y + h / 2});
    Paint();
    Press(p);
    EXPECT_FALSE(view_->drag().any());
    Release(p);
    Press(p + QPoint(1, 0));
    EXPECT_TRUE(view_->drag().dragging(E::NameLabel));
    Release(p + QPoint(1, 0));

    // Romb laid over Data: Data is grabbed.
    const Point data = Anchor(E::DataSymbol);
    const Extent ds = Drawn(E::DataSymbol);
    ASSERT_GT(ds.width, 0) << "Data.bmp was not found";
    PlaceAt(E::DiamondSymbol, {data.x + ds.width / 4, data.y});
    Paint();
    Press(ClientOf({data.x + ds.width / 2, data.y + ds.height / 2}));
    EXPECT_TRUE(view_->drag().dragging(E::DataSymbol));
    EXPECT_FALSE(view_->drag().dragging(E::DiamondSymbol));
}

TEST_F(ViewTest, TheTemplateIsMovedByItsBodyAndWidenedByItsEdge) {
    LoadGreyTemplate();
    Paint();
    const auto& record = view_->session().scene().params.ext.templateRecord;
    ASSERT_TRUE(view_->Shown().laid.templatePlace);
    ASSERT_EQ(view_->Shown().laid.templatePlace->size, (Extent{7100, 5325}));
    const Place corner = record->corner;
    const QPoint free = ClientOf({corner.x + 7100 * 92 / 100, corner.y + 100});
    Press(free);  // between 90 % and 95 %
    EXPECT_FALSE(view_->drag().any());
    Release(free);

    // Just outside the right edge grabs the edge.
    const QPoint edge = ClientOf({corner.x + 7100 * 102 / 100, corner.y + 100});
    Press(edge);
    EXPECT_TRUE(view_->drag().dragging(E::TemplateEdge));
    EXPECT_EQ(Cursor(), Qt::SizeHorCursor);
    const int steps = view_->session().history().count();
    Drag(ClientOf({corner.x + 3000, corner.y + 100}));
    // The field follows the drag, and hands nothing to the session before the release.
    EXPECT_EQ(Text(C::TemplateWidth).toStdString(),
              TemplateFieldText(view_->Shown().laid.templatePlace->size.width));
    EXPECT_EQ(view_->session().history().count(), steps);
    Release(ClientOf({corner.x + 3000, corner.y + 100}));
    EXPECT_EQ(view_->session().history().count(), steps + 1);
    // Grabbed 2 % beyond the edge, released 30 mm from the corner.
    EXPECT_NEAR(record->width, 3000 - 7100 * 2 / 100, 2 * UnitsPerPixel());
    EXPECT_EQ(Text(C::TemplateWidth).toStdString(), TemplateFieldText(record->width));

    const QPoint body = ClientOf({corner.x + 200, corner.y + 200});
    view_->session().templates().setWidth(7100);  // wide again
    Paint();
    Press(body);
    ASSERT_TRUE(view_->drag().dragging(E::TemplateBody));
    EXPECT_EQ(Cursor(), Qt::SizeAllCursor);
    Drag(body + QPoint(40, -20));
    Release(body + QPoint(40, -20));
    EXPECT_NEAR(record->corner.x - corner.x, 40 * UnitsPerPixel(), UnitsPerPixel());
    EXPECT_NEAR(record->corner.y - corner.y, 20 * UnitsPerPixel(), UnitsPerPixel());
    EXPECT_EQ(Text(C::TemplateX).toStdString(), TemplateFieldText(record->corner.x));
    EXPECT_EQ(Text(C::TemplateY).toStdString(), TemplateFieldText(record->corner.y));
    EXPECT_EQ(bar_->spinner(C::TemplateXSpinner)->value(), record->corner.x);
    EXPECT_EQ(bar_->spinner(C::TemplateYSpinner)->value(), record->corner.y);

    // Apply keeps the template where it is.
    const Place placed = record->corner;
    bar_->button(C::Apply)->click();
    EXPECT_EQ(record->corner, placed);
    EXPECT_EQ(record->width, 7100);
}

// A label dragged off the plate stops at its edge while the button is still held: the window
// shows it where the file saved and opened again puts it, which is where it is printed.
TEST_F(ViewTest, ALabelDraggedOffThePlateIsShownWhereItPrints) {
    const std::string path = cwd_.path("dragged.qrn").toStdString();
    const struct {
        E label;
        QPoint by;
    } kDrags[] = {
        {E::NameLabel, {-400, 0}}, {E::StandardLabel, {300, 250}}, {E::UnitLabel, {0, -600}}};
    for (const auto& drag : kDrags) {
        ASSERT_GT(Drawn(drag.label).width, 0);
        const QPoint grab = Middle(drag.label);
        Press(grab);
        ASSERT_TRUE(view_->drag().dragging(drag.label));
        Drag(grab + drag.by);
        Paint();
        const QImage held = Picture();
        Release(grab + drag.by);
        ASSERT_EQ(WriteFileAtomically(path, WriteParameterText(view_->session().scene().params)),
                  Fault::None);
        doc_.setModified(false);  // as saving leaves it
        ASSERT_TRUE(view_->session().files().OpenFile(path));
        Paint();
        EXPECT_EQ(Picture(), held) << "label " << Index(drag.label);
    }
}

// Elements that would not print cleanly are framed in red on the screen, never in the picture
// written for print.
TEST_F(ViewTest, CollidingElementsAreFramedOnTheScreenOnly) {
    const auto framePixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(255, 0, 0);
        return count;
    };
    // Nothing collides on any shipped sample: a user who opens one sees no frame.
    int samples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUIRN_TEST_SAMPLES)) {
        if (entry.path().extension() != ".qrn") continue;
        ++samples;
        ASSERT_TRUE(view_->session().files().OpenFile(entry.path().string()))
            << entry.path().filename();
        Paint();
        EXPECT_EQ(framePixels(Picture()), 0) << entry.path().filename();
    }
    EXPECT_GE(samples, 9) << "the nine samples shipped today";

    ASSERT_TRUE(view_->session().files().OpenFile(QUIRN_TEST_SAMPLES "/Battery-tester-12V.qrn"));
    Paint();

    const QPoint grab = Middle(E::NameLabel);
    Press(grab);
    Drag(Middle(E::UnitLabel));
    Release(Middle(E::UnitLabel));
    Paint();
    EXPECT_GT(framePixels(Picture()), 100) << "the name over the unit";

    // The sample's zones make the picture a colour one, where a frame could show.
    ASSERT_TRUE(ExportPicture(view_->session().scene(), cwd_.path("plate.png"), 150).ok());
    const QImage exported = QImage(cwd_.path("plate.png")).convertToFormat(QImage::Format_RGB32);
    int zone = 0;
    for (int y = 0; y < exported.height(); ++y)
        for (int x = 0; x < exported.width(); ++x) zone += exported.pixel(x, y) == qRgb(0xd0, 0, 0);
    ASSERT_GT(zone, 0);
    EXPECT_EQ(framePixels(exported), 0);
}

TEST_F(ViewTest, OpeningADocumentRunsTheInitialUpdate) {
    // A plate larger than the window, seen scrolled and zoomed, then opened again.
    ScaleParameters large = kDefaultParameters;
    large.plateWidth = large.plateHeight = 40000;
    const std::string path = cwd_.path("large.qrn").toStdString();
    ASSERT_EQ(WriteFileAtomically(path, WriteParameterText(large)), Fault::None);
    ASSERT_TRUE(view_->session().files().OpenFile(path));
    Paint();
    for (int i = 0; i < 3; ++i) Wheel(120);
    ASSERT_TRUE(view_->session().files().OpenFile(path));
    Paint();
    EXPECT_EQ(view_->scrollPosition(), QPoint(0, 0)) << "shown from its top-left corner";

    for (int i = 0; i < 3; ++i) Wheel(120);
    ASSERT_TRUE(view_->session().files().OpenFile(QUIRN_TEST_SAMPLES "/M24-100uA-radial.qrn"));
    EXPECT_EQ(view_->session().scene().zoomPercent, 100);
    EXPECT_EQ(Text(C::ZoomReadout), U("Масштаб 100%"));
    EXPECT_EQ(
        view_->session().scene().params,
        ReadScaleParameters(
            ReadFileHead(QUIRN_TEST_SAMPLES "/M24-100uA-radial.qrn", kParameterReadLimit).value));
    EXPECT_TRUE(bar_->isChecked(C::RadialShape));
    EXPECT_EQ(Text(C::PlateWidth).toStdString(),
              LengthText(view_->session().scene().params.plateWidth));
}

}  // namespace
}  // namespace quirn
