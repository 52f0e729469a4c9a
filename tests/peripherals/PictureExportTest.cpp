// SPDX-License-Identifier: GPL-3.0-or-later
// The one-bit bitmap layout and the picture files written by extension.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "peripherals/BandedCanvas.h"
#include "peripherals/BmpFormat.h"
#include "peripherals/PictureExport.h"
#include "peripherals/PlacedPictures.h"
#include "render/DrawingTransform.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "support/PngReading.h"
#include "support/RenderScale.h"

namespace quirn {
namespace {

std::uint32_t U32(const QByteArray& b, int at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t U16(const QByteArray& b, int at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

TEST(BmpResolutionRegression, AWideCanvasDoesNotOverflow) {
    // 30000 x 100000 does not fit 32 bits; the true figure is 1 000 000 pixels per metre.
    EXPECT_EQ(PixelsPerMetre(30000, 3000), 1000000);
}

class ExportPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        state_.params = kDefaultParameters;  // 69 x 60 mm: a canvas of 71 x 62 mm
        state_.layout = DefaultLayout(state_.params);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    Scene state_;
};

TEST_F(ExportPictureTest, BitmapCarriesThePrinterResolution) {
    ASSERT_TRUE(ExportPicture(state_, path("scale.BMP"), 600).ok());
    const QByteArray bmp = read("scale.BMP");
    ASSERT_GT(bmp.size(), 62);
    EXPECT_EQ(U32(bmp, 2), std::uint32_t(bmp.size()));
    EXPECT_EQ(
        int(U32(bmp, 18)),
        ComputeCanvasGeometry(state_, ReferenceDevice::ForDpi(600), PaintMode::Print).pixelWidth);
    // 600 dpi is 23622 pixels per metre; the extra pixel of the canvas adds a little.
    EXPECT_NEAR(double(U32(bmp, 38)), 23622.0, 30.0);

    // Exporting again overwrites silently.
    ASSERT_TRUE(ExportPicture(state_, path("scale.BMP"), 300).ok());
    EXPECT_LT(read("scale.BMP").size(), bmp.size());
}

// The file as a reader of the format takes it: headers, the black-and-white palette, rows
// bottom-up and padded with 0 bits to whole words, and the pixels of one rendering of the canvas.
TEST_F(ExportPictureTest, TheBitmapIsOneBitBottomUpAndPaddedWithZeros) {
    for (const int dpi : {300, 301}) {
        ASSERT_TRUE(ExportPicture(state_, path("scale.bmp"), dpi).ok());
        const QByteArray bmp = read("scale.bmp");
        test::LaidOutScene whole;
        static_cast<Scene&>(whole) = state_;
        ASSERT_TRUE(RenderScale(whole, ReferenceDevice::ForDpi(dpi), PaintMode::Print).ok());
        const QImage canvas = BlackAndWhite(whole.canvas.image);
        const int width = canvas.width();
        const int height = canvas.height();
        const int rowLength = (width + 31) / 32 * 4;
        ASSERT_EQ(bmp.size(), 62 + rowLength * height) << dpi;
        EXPECT_EQ(bmp.left(2), QByteArray("BM"));
        EXPECT_EQ(U32(bmp, 2), std::uint32_t(bmp.size()));
        EXPECT_EQ(U32(bmp, 10), 62u);
        EXPECT_EQ(U32(bmp, 14), 40u);
        EXPECT_EQ(int(U32(bmp, 18)), width);
        EXPECT_EQ(int(U32(bmp, 22)), height);
        EXPECT_EQ(U16(bmp, 26), 1u);
        EXPECT_EQ(U16(bmp, 28), 1u);
        EXPECT_EQ(U32(bmp, 30), 0u);
        EXPECT_EQ(U32(bmp, 34), std::uint32_t(rowLength * height));
        EXPECT_EQ(bmp.mid(54, 8), QByteArray::fromHex("00000000ffffff00"));
        const int lastBits = width % 8;
        for (int row = 0; row < height && lastBits != 0; ++row) {
            const char* bytes = bmp.constData() + 62 + qsizetype(row) * rowLength;
            ASSERT_EQ(uchar(bytes[width / 8]) & (0xFF >> lastBits), 0) << "row " << row;
            for (int k = width / 8 + 1; k < rowLength; ++k) ASSERT_EQ(bytes[k], 0);
        }
        EXPECT_EQ(BlackAndWhite(QImage::fromData(bmp, "BMP")), canvas) << dpi;
    }
}

TEST_F(ExportPictureTest, PngIsOneBitWithItsResolution) {
    ASSERT_TRUE(ExportPicture(state_, path("scale.png"), 600).ok());
    const QByteArray png = read("scale.png");
    ASSERT_GT(png.size(), 33);
    EXPECT_EQ(png.mid(1, 3), QByteArray("PNG"));
    EXPECT_EQ(int(png[24]), 1);  // bit depth in the IHDR chunk
    const QImage image = QImage::fromData(png);
    const CanvasGeometry g =
        ComputeCanvasGeometry(state_, ReferenceDevice::ForDpi(600), PaintMode::Print);
    EXPECT_EQ(image.size(), QSize(g.pixelWidth, g.pixelHeight));
    EXPECT_NEAR(image.dotsPerMeterX(), 23622, 30);
}

// What pdfinfo reads of a PDF: each page's size in points, from its box; none when an offset of
// the cross-reference table misses the object it names.
std::vector<QSizeF> PdfPageSizes(const QByteArray& pdf) {
    const QRegularExpression entry(R"((\d{10}) \d{5} n)");
    const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
    for (auto it = entry.globalMatch(QString::fromLatin1(pdf.mid(xref))); it.hasNext();) {
        const qsizetype at = it.next().captured(1).toLongLong();
        if (!QRegularExpression(R"(^\d+ 0 obj)")
                 .match(QString::fromLatin1(pdf.mid(at, 16)))
                 .hasMatch())
            return {};
    }
    if (!pdf.contains("startxref\n" + QByteArray::number(xref))) return {};
    std::vector<QSizeF> sizes;
    const QRegularExpression box(R"(/MediaBox \[([\d.]+) ([\d.]+) ([\d.]+) ([\d.]+)\])");
    for (auto it = box.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        sizes.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                           m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return sizes;
}

TEST_F(ExportPictureTest, VectorPagesAreTheCanvasInMillimetres) {
    // Plates whose canvases are no whole number of points, the widest beyond six digits, and
    // their pages' sizes as pdfinfo shows them.
    struct Plate {
        int width, height;
        double points[2];
    };
    for (const Plate& plate :
         {Plate{6900, 6000, {201.26, 175.75}}, Plate{12345, 4321, {355.61, 128.15}},
          Plate{1234567, 5000, {35001.27, 147.4}}}) {
        const int width = plate.width;
        const int height = plate.height;
        state_.params.plateWidth = width;
        state_.params.plateHeight = height;
        state_.layout = DefaultLayout(state_.params);
        const double canvasWidth = (width + 200) / 100.0;  // millimetres
        const double canvasHeight = (height + 200) / 100.0;
        ASSERT_TRUE(ExportPicture(state_, path("scale.svg"), 600).ok());
        const QString svg = QString::fromUtf8(read("scale.svg"));
        const QRegularExpressionMatch size =
            QRegularExpression(R"(width="([\d.]+)mm" height="([\d.]+)mm")").match(svg);
        ASSERT_TRUE(size.hasMatch()) << svg.left(400).toStdString();
        EXPECT_NEAR(size.captured(1).toDouble(), canvasWidth, 0.001) << width;
        EXPECT_NEAR(size.captured(2).toDouble(), canvasHeight, 0.001) << height;
        EXPECT_TRUE(svg.contains(
            QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(width + 200).arg(height + 200)));

        ASSERT_TRUE(ExportPicture(state_, path("scale.pdf"), 600).ok());
        const std::vector<QSizeF> pages = PdfPageSizes(read("scale.pdf"));
        ASSERT_EQ(pages.size(), 1u) << width;
        EXPECT_NEAR(pages[0].width(), plate.points[0], 1e-9) << width;
        EXPECT_NEAR(pages[0].height(), plate.points[1], 1e-9) << height;
    }
}

TEST_F(ExportPictureTest, TextAsOutlinesNeedsNoFont) {
    ExportOptions outlines;
    outlines.text = TextOutput::AsOutlines;
    ASSERT_TRUE(ExportPicture(state_, path("text.svg"), ExportOptions{}).ok());
    ASSERT_TRUE(ExportPicture(state_, path("text.pdf"), ExportOptions{}).ok());
    ASSERT_TRUE(ExportPicture(state_, path("outlines.svg"), outlines).ok());
    ASSERT_TRUE(ExportPicture(state_, path("outlines.pdf"), outlines).ok());
    // Texts as text, their fonts embedded in the PDF; as outlines, one filled path a line.
    const int texts = int(read("text.svg").count("<text"));
    EXPECT_GE(texts, 8);  // numerals, unit, name and labels of the default plate
    EXPECT_TRUE(read("text.pdf").contains("/FontFile"));
    const QByteArray svg = read("outlines.svg");
    EXPECT_FALSE(svg.contains("<text"));
    EXPECT_EQ(svg.count("<path"), read("text.svg").count("<path") + texts);
    EXPECT_FALSE(read("outlines.pdf").contains("/FontFile"));
    EXPECT_FALSE(read("outlines.pdf").contains("/FontDescriptor"));
}

TEST_F(ExportPictureTest, CopiesFillA4SheetsAndAMirrorOnlyTurnsThePage) {
    ExportOptions sheet;
    sheet.sheet.copies = 9;  // 71 x 62 mm canvases: two across and four down each sheet
    ASSERT_TRUE(ExportPicture(state_, path("sheet.pdf"), sheet).ok());
    const std::vector<QSizeF> pages = PdfPageSizes(read("sheet.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], QSizeF(595, 842));  // A4 as Qt has it

    // One copy mirrored: the canvas's page, the same paths with the picture turned over.
    ExportOptions mirrored;
    mirrored.sheet.mirror = Mirroring::LeftToRight;
    ASSERT_TRUE(ExportPicture(state_, path("mirrored.pdf"), mirrored).ok());
    EXPECT_EQ(PdfPageSizes(read("mirrored.pdf")), std::vector{QSizeF(201.26, 175.75)});
    ASSERT_TRUE(ExportPicture(state_, path("plain.svg"), ExportOptions{}).ok());
    ASSERT_TRUE(ExportPicture(state_, path("mirrored.svg"), mirrored).ok());
    const QByteArray plain = read("plain.svg");
    const QByteArray turned = read("mirrored.svg");
    EXPECT_EQ(turned.count("<path"), plain.count("<path"));
    EXPECT_TRUE(turned.contains("matrix(-1,0,0,1,7100,0)"));
    EXPECT_FALSE(plain.contains("matrix(-1,"));
}

// The shipped symbols are shapes in vector files; a user's own bitmap stays a picture.
TEST_F(ExportPictureTest, ShippedSymbolsArePathsInVectorFiles) {
    state_.symbols = LoadSymbolImages();
    ASSERT_TRUE(ExportPicture(state_, path("drawn.svg"), 600).ok());
    ASSERT_TRUE(ExportPicture(state_, path("drawn.pdf"), 600).ok());
    EXPECT_FALSE(read("drawn.svg").contains("<image"));
    EXPECT_FALSE(read("drawn.pdf").contains("/Subtype /Image"));

    QImage own(30, 20, QImage::Format_RGB32);
    own.fill(Qt::black);
    state_.symbols.data = own;
    ASSERT_TRUE(ExportPicture(state_, path("own.svg"), 600).ok());
    ASSERT_TRUE(ExportPicture(state_, path("own.pdf"), 600).ok());
    EXPECT_EQ(read("own.svg").count("<image"), 1);
    EXPECT_EQ(read("own.pdf").count("/Subtype /Image"), 1);
}

TEST_F(ExportPictureTest, FailuresNameTheFileAndLeaveNoneBehind) {
    EXPECT_EQ(ExportPicture(state_, path("scale.txt"), 600),
              Outcome::Failed(Fault::ExportUnknownFormat, {path("scale.txt").toStdString()}));

    const QString unwritable = path("missing-folder/scale.bmp");
    const Outcome denied = ExportPicture(state_, unwritable, 600);
    EXPECT_EQ(denied.fault, Fault::ExportCannotCreate);
    ASSERT_EQ(denied.args.size(), 2u);
    EXPECT_EQ(denied.args[0], unwritable.toStdString());

    // A picture beyond the format's 4 GB keeps the previous file whole and says why.
    QFile old(path("big.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    state_.params.plateWidth = 2000000000;
    EXPECT_EQ(ExportPicture(state_, path("big.bmp"), 600),
              Outcome::Failed(Fault::ExportTooLargeForBmp,
                              {path("big.bmp").toStdString(), "472440993", "1466"}));
    EXPECT_EQ(read("big.bmp"), QByteArray("previous"));

    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"big.bmp"});
}

// An export stopped part way, in each format, leaves the file that was there as it was and
// nothing beside it; one let run is told up to its end.
TEST_F(ExportPictureTest, AStoppedExportLeavesTheTargetAsItWas) {
    state_.params.ext.zones.push_back({1, 0.0, 5.0, 0xff0000u});  // the colour PNG too
    for (const char* name : {"plate.bmp", "plate.png", "plate.svg", "plate.pdf"}) {
        SCOPED_TRACE(name);
        QFile old(path(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous");
        old.close();
        ExportOptions options;
        options.dpi = 600;
        options.bandRows = 64;  // several bands, stopped after the first
        int told = 0;
        EXPECT_EQ(ExportPicture(state_, path(name), options,
                                [&told](std::int64_t, std::int64_t) { return ++told < 2; }),
                  Outcome::Failed(Fault::ExportCancelled, {path(name).toStdString()}));
        EXPECT_EQ(told, 2);
        EXPECT_EQ(read(name), QByteArray("previous"));
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{name});

        std::int64_t last = -1, whole = 0;
        EXPECT_TRUE(
            ExportPicture(state_, path(name), options, [&](std::int64_t done, std::int64_t total) {
                EXPECT_GT(done, last);
                last = done;
                whole = total;
                return true;
            }).ok());
        EXPECT_EQ(last, whole);
        EXPECT_NE(read(name), QByteArray("previous"));
        ASSERT_TRUE(QFile::remove(path(name)));
    }
}

// What a print rendering of the whole canvas encodes to: the bitmap, and the PNG as Qt's own
// writer makes it.
QByteArray WholeCanvasPng(const Canvas& canvas) {
    QImage image = canvas.image;
    const int perMetre = int(std::int64_t{image.width()} * 100000 / canvas.geometry.canvasWidth);
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

TEST_F(ExportPictureTest, BandsGiveTheBytesOfTheWholeCanvas) {
    // Bands of 7 rows cut through every numeral, tick, symbol and arc of the samples.
    std::vector<ScaleParameters> scales{kDefaultParameters};
    for (const char* name : {"C42300-2.5A-small.qrn", "E8021-250V-inside.qrn",
                             "M24-100uA-radial.qrn", "M4200-15V.qrn"}) {
        const Result<std::string> file =
            ReadFileHead(std::string(QUIRN_TEST_SAMPLES "/") + name, kParameterReadLimit);
        ASSERT_EQ(file.outcome.fault, Fault::None) << name;
        scales.push_back(ReadScaleParameters(file.value));
    }
    for (const ScaleParameters& params : scales) {
        test::LaidOutScene whole;
        whole.params = params;
        whole.symbols = LoadSymbolImages();
        whole.layout = DefaultLayout(whole.params);
        const Scene banded = whole;
        ASSERT_TRUE(RenderScale(whole, ReferenceDevice::ForDpi(300), PaintMode::Print).ok());
        ASSERT_GT(whole.canvas.image.height(), 7 * 50);

        ASSERT_TRUE(ExportPicture(banded, path("banded.bmp"), 300, 7).ok());
        ASSERT_TRUE(
            ExportPicture(banded, path("whole.bmp"), 300, whole.canvas.image.height()).ok());
        EXPECT_EQ(read("banded.bmp"), read("whole.bmp")) << params.name;
        EXPECT_EQ(BlackAndWhite(QImage::fromData(read("banded.bmp"), "BMP")),
                  BlackAndWhite(whole.canvas.image))
            << params.name;
        ASSERT_TRUE(ExportPicture(banded, path("banded.png"), 300, 7).ok());
        EXPECT_EQ(read("banded.png"), WholeCanvasPng(whole.canvas)) << params.name;
        // The bands are laid out on the canvas of one rendering.
        EXPECT_EQ(BandedCanvas(banded, ReferenceDevice::ForDpi(300)).geometry(),
                  whole.canvas.geometry);
    }
}

// A battery tester's plate: 0-15 V with a green zone up to 5 V and a red one from 12 V, each a
// band over the small ticks.
TEST_F(ExportPictureTest, ZonesAreColouredInThePngAndHatchedInTheBitmap) {
    state_.symbols = LoadSymbolImages();
    const QRgb green = qRgb(0x00, 0xa0, 0x00);
    const QRgb red = qRgb(0xd0, 0x00, 0x00);
    state_.params.ext.zones = {{1, 0.0, 5.0, green & 0xFFFFFF}, {1, 12.0, 15.0, red & 0xFFFFFF}};
    // Bands of 7 rows: the hatching and the colours run on across them.
    ASSERT_TRUE(ExportPicture(state_, path("zones.png"), 300, 7).ok());
    ASSERT_TRUE(ExportPicture(state_, path("zones.bmp"), 300, 7).ok());
    const QByteArray pngBytes = read("zones.png");
    ASSERT_GT(pngBytes.size(), 33);
    EXPECT_EQ(int(pngBytes[24]), 8);  // bit depth
    EXPECT_EQ(int(pngBytes[25]), 3);  // colour type: palette
    const QImage png = QImage::fromData(pngBytes);
    const QImage bmp = QImage::fromData(read("zones.bmp"));
    ASSERT_EQ(png.size(), bmp.size());
    ASSERT_FALSE(png.isNull());
    EXPECT_NEAR(png.dotsPerMeterX(), 11811, 30);  // 300 dpi

    // The whole print canvas made one-bit hatches the same way.
    const RenderResult whole = RenderScale(state_, ReferenceDevice::ForDpi(300), PaintMode::Print);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(BlackAndWhite(bmp), BlackAndWhite(whole.canvas.image));

    // Where a pixel lies on the plate: its value on the scale and its distance from the axis.
    const ScaleParameters& p = state_.params;
    const DrawingTransform t = DrawingTransform::OfCanvas(whole.canvas.geometry);
    const auto polar = [&](int x, int y) {
        const double dx = (x + 0.5 - t.origin.x()) / t.pixelsPerUnit();
        const double dy = (t.origin.y() - y - 0.5) / t.pixelsPerUnit();
        const double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
        return std::pair{(p.halfAngle + 90.0 - degrees) * p.range / (2.0 * p.halfAngle),
                         std::hypot(dx, dy)};
    };
    const auto black = [](const QImage& image, int x, int y) {
        return qGray(image.pixel(x, y)) < 128;
    };
    int greens = 0, reds = 0, hatchedBlack = 0, strays = 0, differences = 0;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QRgb c = png.pixel(x, y) & 0xFFFFFF;
            const auto [value, radius] = polar(x, y);
            const bool inBand =
                radius > p.tickRadius - 10 && radius < p.tickRadius + p.smallTickLength + 10;
            if (c == (green & 0xFFFFFF)) {
                ++greens;
                strays += !inBand || value > 5.05;
            } else if (c == (red & 0xFFFFFF)) {
                ++reds;
                strays += !inBand || value < 11.95;
            } else {
                // Everything else is black or white, and the same in both files.
                strays += c != 0 && c != 0xFFFFFF;
                differences += black(png, x, y) != black(bmp, x, y);
                continue;
            }
            hatchedBlack += black(bmp, x, y);
        }
    }
    // Two bands of 3 mm by some 28 mm at 300 dpi: thousands of pixels each.
    EXPECT_GT(greens, 5000);
    EXPECT_GT(reds, 3000);
    EXPECT_EQ(strays, 0);
    EXPECT_EQ(differences, 0);
    // The bitmap hatches the zones: some black, mostly white.
    const int zoned = greens + reds;
    EXPECT_GT(hatchedBlack, zoned / 20);
    EXPECT_LT(hatchedBlack, zoned / 3);

    // The small tick at 1.5 V runs through the green band: whole and black in both pictures.
    const double turn =
        (p.halfAngle + 90.0 - 2.0 * p.halfAngle * 1.5 / p.range) * std::numbers::pi / 180.0;
    for (int r = p.tickRadius + 20; r <= p.tickRadius + p.smallTickLength - 20; r += 5) {
        const QPointF at = t.toDevice(
            Point{int(std::lround(r * std::cos(turn))), int(std::lround(r * std::sin(turn)))});
        EXPECT_TRUE(black(bmp, int(at.x()), int(at.y()))) << r;
        EXPECT_TRUE(black(png, int(at.x()), int(at.y()))) << r;
    }

    // Without zones the PNG stays one bit per pixel.
    state_.params.ext.zones.clear();
    ASSERT_TRUE(ExportPicture(state_, path("plain.png"), 300).ok());
    const QByteArray plain = read("plain.png");
    ASSERT_GT(plain.size(), 33);
    EXPECT_EQ(int(plain[24]), 1);
    EXPECT_EQ(int(plain[25]), 3);  // a palette of black and white
}

// The colours of a PNG's palette chunk as 0xRRGGBB; empty when it has none.
std::vector<std::uint32_t> PaletteOf(const QByteArray& png) {
    const qsizetype at = png.indexOf("PLTE");
    if (at < 4) return {};
    const auto length = qFromBigEndian<std::uint32_t>(png.constData() + at - 4);
    std::vector<std::uint32_t> colours;
    for (qsizetype i = at + 4; i + 2 < at + 4 + qsizetype(length); i += 3)
        colours.push_back(std::uint32_t(uchar(png[i])) << 16 |
                          std::uint32_t(uchar(png[i + 1])) << 8 | uchar(png[i + 2]));
    return colours;
}

// The whole print canvas in colour, as RGB rows, a band at once.
QImage RgbCanvas(const Scene& scene, int dpi) {
    BandedCanvas canvas(scene, ReferenceDevice::ForDpi(dpi), BandPixels::Rgb);
    const CanvasGeometry& g = canvas.geometry();
    QImage image(g.pixelWidth, g.pixelHeight, QImage::Format_RGB888);
    std::vector<uchar> rows(std::size_t(g.pixelHeight) * std::size_t(canvas.rowBytes()));
    canvas.render(0, g.pixelHeight, rows.data());
    for (int y = 0; y < g.pixelHeight; ++y)
        std::copy_n(rows.data() + y * canvas.rowBytes(), canvas.rowBytes(), image.scanLine(y));
    return image;
}

// A zoned plate's PNG is a palette of its colours while they fit one, RGB when they do not,
// and shows what the colour canvas shows either way: zones whose colours differ only in their
// lowest bits, a symbol bitmap with a colour of its own, and one of more colours than a palette
// holds.
TEST_F(ExportPictureTest, ZonedPngIndexesItsColoursWhileTheyFit) {
    QImage colourful(40, 10, QImage::Format_RGB32);
    for (int y = 0; y < colourful.height(); ++y)
        for (int x = 0; x < colourful.width(); ++x)
            colourful.setPixel(x, y, qRgb(x * 6, y * 25, 90));
    QImage blue(40, 10, QImage::Format_RGB32);
    blue.fill(qRgb(0x30, 0x50, 0xC0));
    blue.setPixel(0, 0, qRgb(0, 0, 0));
    struct Case {
        const char* name;
        std::vector<Zone> zones;
        QImage symbol;
        int colourType;
        std::vector<std::uint32_t> palette;
    };
    const std::vector<Case> cases{
        {"two zones",
         {{1, 0.0, 5.0, 0x00A000}, {1, 12.0, 15.0, 0xD00000}},
         {},
         3,
         {0x000000, 0xFFFFFF, 0x00A000, 0xD00000}},
        {"near colours",
         {{1, 0.0, 5.0, 0x00A000}, {1, 5.0, 15.0, 0x00A001}},
         {},
         3,
         {0x000000, 0xFFFFFF, 0x00A000, 0x00A001}},
        {"blue symbol",
         {{1, 0.0, 5.0, 0x00A000}},
         blue,
         3,
         {0x000000, 0xFFFFFF, 0x00A000, 0x3050C0}},
        {"colourful symbol", {{1, 0.0, 5.0, 0x00A000}}, colourful, 2, {}},
    };
    for (const Case& c : cases) {
        Scene scene = state_;
        scene.symbols = LoadSymbolImages();
        if (!c.symbol.isNull()) scene.symbols.data = c.symbol;
        scene.params.ext.zones = c.zones;
        ASSERT_TRUE(ExportPicture(scene, path("zoned.png"), 300, 7).ok()) << c.name;
        const QByteArray bytes = read("zoned.png");
        ASSERT_GT(bytes.size(), 33) << c.name;
        EXPECT_EQ(int(bytes[25]), c.colourType) << c.name;
        EXPECT_EQ(PaletteOf(bytes), c.palette) << c.name;
        const QImage decoded = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB888);
        const QImage expected = RgbCanvas(scene, 300);
        ASSERT_EQ(decoded.size(), expected.size()) << c.name;
        int differing = 0;
        for (int y = 0; y < decoded.height(); ++y)
            differing += std::memcmp(decoded.constScanLine(y), expected.constScanLine(y),
                                     std::size_t(decoded.width()) * 3) != 0;
        EXPECT_EQ(differing, 0) << c.name;
    }
}

// A plate with a picture of shades and noise is an RGB PNG; at 1200 dpi its rows fall into
// several compression batches and the picture into bands of 100 rows, and what libpng, Qt's
// reader and zlib read back is the colour canvas painted at once.
TEST_F(ExportPictureTest, APictureAcrossBandsComesBackWhole) {
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, (x * 7 ^ y * 13) & 0xFF, y));
    ASSERT_TRUE(picture.save(path("shades.png")));
    Scene scene = state_;
    scene.symbols = LoadSymbolImages();
    scene.documentFolder = dir_.path().toStdString();
    scene.params.ext.pictures = {{1, PlacedPicture{{0, 2000}, 3000, "shades.png"}}};
    ASSERT_TRUE(RefreshPictures(scene).empty());
    ASSERT_TRUE(ExportPicture(scene, path("picture.png"), 1200, 100).ok());
    const QByteArray bytes = read("picture.png");
    const QImage expected = RgbCanvas(scene, 1200);
    const auto rowBytes = std::size_t(expected.width()) * 3;

    const test::DecodedPng decoded = test::ReadWithLibpng(bytes);
    EXPECT_EQ(decoded.complaint, "");
    EXPECT_EQ(decoded.colourType, 2);
    ASSERT_EQ(QSize(decoded.width, decoded.height), expected.size());
    EXPECT_EQ(test::StreamFaults(bytes, (rowBytes + 1) * std::size_t(expected.height())), "");
    const QImage qt = QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(qt.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        const uchar* want = expected.constScanLine(y);
        differing +=
            std::memcmp(decoded.rgb.data() + std::size_t(y) * rowBytes, want, rowBytes) != 0;
        differing += std::memcmp(qt.constScanLine(y), want, rowBytes) != 0;
    }
    EXPECT_EQ(differing, 0);
}

// The VU meter's colour picture at 9600 dpi, the resolution that crashed its export: the rows
// across its data symbol, where a colour canvas of 2.9 GB changes windows, come out as the
// one-bit picture has them.
TEST_F(ExportPictureTest, HighResolutionColourExportRegression) {
    const Result<std::string> file =
        ReadFileHead(QUIRN_TEST_SAMPLES "/VU-meter.qrn", kParameterReadLimit);
    ASSERT_EQ(file.outcome.fault, Fault::None);
    state_.params = ReadScaleParameters(file.value);
    state_.symbols = LoadSymbolImages();
    state_.layout = DefaultLayout(state_.params);
    ASSERT_FALSE(state_.params.ext.zones.empty());  // so the export is in colour
    const Scene oneBitState = state_;
    const ReferenceDevice device = ReferenceDevice::ForDpi(9600);
    BandedCanvas colour(state_, device, BandPixels::Rgb);
    BandedCanvas oneBit(oneBitState, device, BandPixels::OneBit);
    ASSERT_EQ(colour.geometry().pixelHeight, 23434);
    ASSERT_TRUE(colour.reserve() && oneBit.reserve());
    int blackPixels = 0;
    int differences = 0;
    const auto compare = [&](int top, int rows) {
        std::vector<uchar> rgb(std::size_t(rows * colour.rowBytes()));
        std::vector<uchar> bits(std::size_t(rows * oneBit.rowBytes()));
        colour.render(top, rows, rgb.data());
        oneBit.render(top, rows, bits.data());
        for (int y = 0; y < rows; ++y) {
            const uchar* c = rgb.data() + y * colour.rowBytes();
            const uchar* b = bits.data() + y * oneBit.rowBytes();
            for (int x = 0; x < colour.geometry().pixelWidth; ++x) {
                const bool black = c[3 * x] < 128 && c[3 * x + 1] < 128 && c[3 * x + 2] < 128;
                blackPixels += black;
                differences += black != ((b[x / 8] & (0x80 >> (x % 8))) == 0);
            }
        }
    };
    compare(17302, 40);  // the name's letters, across the colour canvas's change of window
    compare(17780, 60);  // the top of the data symbol
    EXPECT_GT(blackPixels, 5000);
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace quirn
