// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the template fields and taking in template pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>

#include "peripherals/TemplateUnderlay.h"

namespace quirn {
namespace {

TEST(TemplateFieldValue, CommaOrPointAndExactHundredths) {
    EXPECT_EQ(TemplateFieldValue("12,5"), 1250);
    EXPECT_EQ(TemplateFieldValue("12.5"), 1250);
    EXPECT_EQ(TemplateFieldValue("-35.50"), -3550);
    EXPECT_EQ(TemplateFieldValue("0.29"), 29);  // 0.29 * 100.0 would truncate to 28
    EXPECT_EQ(TemplateFieldValue("12.345"), 1234);
    EXPECT_EQ(TemplateFieldValue("мм"), 0);
    EXPECT_EQ(TemplateFieldValue(""), 0);
}

TEST(TemplateFieldValue, EverySpinnerPositionSurvivesItsOwnText) {
    // A step writes "%.2f" of the position / 100 into the field, which is then read back.
    for (int v = -10000; v <= 10000; ++v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", v / 100.0);
        ASSERT_EQ(TemplateFieldValue(text), v) << text;
    }
}

class TemplateImageTest : public ::testing::Test {
  protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QString WriteBmp(const char* name, int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::gray);
        const QString path = Path(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    QString WriteBytes(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // The 54 bytes that open a 24-bit BMP file of that size.
    static QByteArray BmpHeader(int width, int height) {
        QByteArray header(54, '\0');
        char* h = header.data();
        const quint32 row = (quint32(width) * 3 + 3) / 4 * 4;
        h[0] = 'B';
        h[1] = 'M';
        qToLittleEndian<quint32>(54 + row * quint32(height), h + 2);
        qToLittleEndian<quint32>(54, h + 10);
        qToLittleEndian<quint32>(40, h + 14);
        qToLittleEndian<qint32>(width, h + 18);
        qToLittleEndian<qint32>(height, h + 22);
        qToLittleEndian<quint16>(1, h + 26);
        qToLittleEndian<quint16>(24, h + 28);
        return header;
    }
    QTemporaryDir dir_;
};

TEST_F(TemplateImageTest, ReadsBmpAndOtherFormats) {
    const Result<QImage> bmp = LoadTemplateImage(WriteBmp("scan.bmp", 400, 300));
    ASSERT_TRUE(bmp.ok());
    EXPECT_EQ(bmp.value.size(), QSize(400, 300));

    QImage png(50, 20, QImage::Format_RGB32);
    png.fill(Qt::white);
    ASSERT_TRUE(png.save(Path("scan.png")));
    const Result<QImage> loaded = LoadTemplateImage(Path("scan.png"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value.size(), QSize(50, 20));
}

TEST_F(TemplateImageTest, RefusesWhatIsNoPictureNamingTheFile) {
    const QString text = WriteBytes("notes.bmp", "this is not a picture\r\n");
    const Result<QImage> result = LoadTemplateImage(text);
    EXPECT_EQ(result.outcome.fault, Fault::TemplateUnreadable);
    EXPECT_TRUE(result.value.isNull());
    ASSERT_EQ(result.outcome.args.size(), 2u);
    EXPECT_EQ(result.outcome.args[0], text.toStdString());

    EXPECT_EQ(LoadTemplateImage(Path("missing.bmp")).outcome.fault, Fault::TemplateUnreadable);
}

TEST_F(TemplateImageTest, RefusesHugePicturesBeforeDecoding) {
    // BMP headers with no pixel data behind them: decoding 12000 x 12000 would allocate 576 MB.
    const QString hugeFile = WriteBytes("huge.bmp", BmpHeader(12000, 12000));
    const Result<QImage> huge = LoadTemplateImage(hugeFile);
    EXPECT_EQ(huge.outcome,
              Outcome::Failed(Fault::TemplateTooLarge,
                              {hugeFile.toStdString(), "12000", "12000", "30000", "100"}));
    EXPECT_TRUE(huge.value.isNull());
    EXPECT_EQ(LoadTemplateImage(WriteBytes("long.bmp", BmpHeader(30001, 10))).outcome.fault,
              Fault::TemplateTooLarge);

    // The limits apply to the side and to the area separately.
    const QString wide = WriteBmp("wide.bmp", 400, 30);
    EXPECT_EQ(LoadTemplateImage(wide, {300, 1'000'000}).outcome.fault, Fault::TemplateTooLarge);
    EXPECT_EQ(LoadTemplateImage(wide, {1000, 10'000}).outcome.fault, Fault::TemplateTooLarge);
    EXPECT_TRUE(LoadTemplateImage(wide, {400, 12'000}).ok());
}

}  // namespace
}  // namespace quirn
