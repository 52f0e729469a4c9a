// SPDX-License-Identifier: GPL-3.0-or-later
// Free texts and pictures where the user placed them, as the exported picture shows them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "model/ScaleParameters.h"
#include "peripherals/PictureExport.h"
#include "peripherals/PlacedPictures.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

constexpr int kDpi = 254;  // a tenth of a pixel per drawing unit

class PlacedItemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        scene_.params = kDefaultParameters;
        scene_.layout = DefaultLayout(scene_.params);
        scene_.documentFolder = dir_.path().toStdString();
    }

    QImage Exported(const Scene& scene, const QString& name) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(ExportPicture(scene, path, kDpi).ok());
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }

    // The pixels the items changed against the plate without them, in drawing units about the
    // pointer axis: left, top, right, bottom.
    QRectF ChangedBox(const QImage& with) {
        Scene plain = scene_;
        plain.params.ext.texts.clear();
        plain.params.ext.pictures.clear();
        const QImage without = Exported(plain, QStringLiteral("plain.png"));
        EXPECT_EQ(with.size(), without.size());
        QRect box;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) box |= QRect(x, y, 1, 1);
        const CanvasGeometry g =
            ComputeCanvasGeometry(scene_, ReferenceDevice::ForDpi(kDpi), PaintMode::Print);
        const double k = 1.0 / g.pixelsPerUnit();
        return QRectF(
            QPointF((box.left() - g.originX) * k, (g.originY - box.top()) * k),
            QPointF((box.right() + 1 - g.originX) * k, (g.originY - box.bottom() - 1) * k));
    }

    QTemporaryDir dir_;
    Scene scene_;
};

// Upright a text is wider than tall; turned a quarter either way it stands along y, its box
// still centred where the record puts it.
TEST_F(PlacedItemsTest, AFreeTextIsCentredAndTurnedAboutItsCentre) {
    for (const double angle : {0.0, -90.0, 90.0}) {
        SCOPED_TRACE(angle);
        scene_.params.ext.texts = {{3, FreeText{{-1500, 2500}, angle, "N 12345678", {}, {}, {}}}};
        const QRectF ink = ChangedBox(Exported(scene_, QStringLiteral("text.png")));
        const double along = angle == 0.0 ? ink.width() : -ink.height();
        const double across = angle == 0.0 ? -ink.height() : ink.width();
        EXPECT_GT(along, 3.0 * across);
        EXPECT_NEAR(ink.center().x(), -1500.0, 30.0);
        EXPECT_NEAR(ink.center().y(), 2500.0, 30.0);
    }
}

// A picture fills the width the record gives it about its centre, its height from its
// proportions; one that cannot be read is a crossed box of that width, told once.
TEST_F(PlacedItemsTest, APictureStandsAtItsCentreAndWidth) {
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::black);
    ASSERT_TRUE(logo.save(dir_.filePath(QStringLiteral("logo.png"))));
    scene_.params.ext.pictures = {{2, PlacedPicture{{-1000, 1500}, 2000, "logo.png"}}};
    ASSERT_TRUE(RefreshPictures(scene_).empty());
    const QImage drawn = Exported(scene_, QStringLiteral("logo-plate.png"));
    const QRectF ink = ChangedBox(drawn);
    EXPECT_NEAR(ink.left(), -2000.0, 15.0);
    EXPECT_NEAR(ink.right(), 0.0, 15.0);
    EXPECT_NEAR(ink.top(), 2000.0, 15.0);
    EXPECT_NEAR(ink.bottom(), 1000.0, 15.0);

    // The same line naming a missing file, twice: a square crossed box, one fault naming it.
    scene_.params.ext.pictures = {{2, PlacedPicture{{-1000, 1500}, 2000, "gone.png"}},
                                  {5, PlacedPicture{{1000, 1500}, 1000, "gone.png"}}};
    const std::vector<Outcome> faults = RefreshPictures(scene_);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].fault, Fault::PictureNotFound);
    EXPECT_EQ(faults[0].args[0], QDir(dir_.path()).filePath("gone.png").toStdString());
    scene_.params.ext.pictures.erase(5);
    const QImage crossed = Exported(scene_, QStringLiteral("crossed.png"));
    const QRectF box = ChangedBox(crossed);
    EXPECT_NEAR(box.width(), 2000.0, 20.0);
    EXPECT_NEAR(-box.height(), 2000.0, 20.0);
    const CanvasGeometry g =
        ComputeCanvasGeometry(scene_, ReferenceDevice::ForDpi(kDpi), PaintMode::Print);
    const auto pixel = [&](int x, int y) {
        return qGray(crossed.pixel(g.originX + x / 10, g.originY - y / 10));
    };
    EXPECT_LT(pixel(-1000, 1500), 128) << "the diagonals cross at the centre";
    EXPECT_GT(pixel(-1500, 1500), 128) << "the box is not filled";
}

// A drawing keeps its colours and stays shapes in a vector file.
TEST_F(PlacedItemsTest, ADrawingStaysVectorInItsColours) {
    QFile svg(dir_.filePath(QStringLiteral("mark.svg")));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(
        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 20 10'>"
        "<rect x='0' y='0' width='20' height='10' fill='#cc2200'/></svg>");
    svg.close();
    scene_.params.ext.pictures = {{1, PlacedPicture{{0, 1500}, 2000, "mark.svg"}}};
    ASSERT_TRUE(RefreshPictures(scene_).empty());
    const QString path = dir_.filePath(QStringLiteral("plate.svg"));
    ASSERT_TRUE(ExportPicture(scene_, path, ExportOptions{}).ok());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_TRUE(text.contains("#cc2200"));
    EXPECT_FALSE(text.contains("<image"));
}

}  // namespace
}  // namespace quirn
