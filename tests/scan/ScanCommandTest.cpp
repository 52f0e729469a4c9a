// SPDX-License-Identifier: GPL-3.0-or-later
// quirn --from-scan as a user runs it: a scan file in, the proposed document or its picture out;
// a scan with no scale on it refused with what was not found, and nothing written; a plate whose
// edge is not on the scan said so.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <opencv2/imgproc.hpp>

#include "scan/DrawnScan.h"

namespace quirn {
namespace {

struct Ran {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program in Russian, with a profile of its own.
Ran Quirn(const QStringList& args, const QString& profile) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
    environment.insert("LANG", "ru_RU.UTF-8");
    environment.insert("XDG_CONFIG_HOME", profile);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QUIRN_TEST_BINARY, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

bool Holds(const QString& file, const QString& line) {
    return file.contains(QStringLiteral("\r\n") + line + QStringLiteral("\r\n"));
}

TEST(ScanCommand, ProposesTheDocumentWithTheScanAsItsTemplateOrDrawsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("scans"));
    test::DrawnPlate plate;
    plate.dpi = 300.0;
    plate.turn = 2.0;
    const QString scan = test::SaveScan(test::DrawScan(plate), dir.filePath("scans/old plate.png"));
    ASSERT_FALSE(scan.isEmpty());

    const Ran made =
        Quirn({"--from-scan", scan, "--values", "0:100", "--export", dir.filePath("plate.qrn")},
              dir.path());
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(
        made.out.contains(QStringLiteral("Найдено делений: 41, больших: 9; закон "
                                         "шкалы: линейная")))
        << made.out.toStdString();
    QFile file(dir.filePath("plate.qrn"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(Holds(text, "Nfull\t= 40")) << text.toStdString();
    EXPECT_TRUE(Holds(text, "Nbig\t= 8")) << text.toStdString();
    EXPECT_TRUE(Holds(text, "range\t= 100")) << text.toStdString();
    // The template line names the scan beside the document, as a save would.
    EXPECT_TRUE(text.contains(QStringLiteral("scans/old plate.png"))) << text.toStdString();
    EXPECT_FALSE(text.contains(dir.path())) << text.toStdString();

    const Ran drawn = Quirn({"--from-scan", scan, "--values", "0:100", "--export",
                             dir.filePath("plate.png"), "--dpi", "200"},
                            dir.path());
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    EXPECT_FALSE(QImage(dir.filePath("plate.png")).isNull());

    // The plate's edge is said when it is not on the scan: here cut off all round.
    const char* const noEdge = "Край пластины на скане не найден";
    EXPECT_FALSE(made.err.contains(QString::fromUtf8(noEdge))) << made.err.toStdString();
    test::DrawnScan cut = test::DrawScan(plate);
    const int off = int(std::lround(10.0 * plate.dpi / 25.4));
    const int width = cut.width - 2 * off, height = cut.height - 2 * off;
    std::vector<std::uint8_t> inner;
    for (int y = off; y < off + height; ++y)
        inner.insert(inner.end(), cut.pixels.begin() + std::ptrdiff_t(y) * cut.width + off,
                     cut.pixels.begin() + std::ptrdiff_t(y) * cut.width + off + width);
    cut.pixels = std::move(inner), cut.width = width, cut.height = height;
    const QString cropped = test::SaveScan(cut, dir.filePath("scans/cut.png"));
    ASSERT_FALSE(cropped.isEmpty());
    const Ran edgeless =
        Quirn({"--from-scan", cropped, "--values", "0:100", "--export", dir.filePath("cut.qrn")},
              dir.path());
    ASSERT_EQ(edgeless.exitCode, 0) << edgeless.err.toStdString();
    EXPECT_TRUE(edgeless.err.contains(QString::fromUtf8(noEdge))) << edgeless.err.toStdString();
}

// A plate printed with all its own lines (outline, bevels, cut-out, the cross on the pivot,
// labels) and scanned sharp or soft is found whole (regression: the cut-out was taken for a base
// arc, and soft bevels outweighed the ticks where their lines meet; nothing was found).
TEST(ScanCommand, APrintedPlateIsFoundWithAllItsOwnLinesRegression) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString printed = dir.filePath("printed.png");
    ASSERT_EQ(Quirn({"--export", printed, "--dpi", "300", QUIRN_TEST_SAMPLES "/M4200-15V.qrn"},
                    dir.path())
                  .exitCode,
              0);
    const QImage sharp = QImage(printed).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(sharp.isNull());
    for (const double blur : {0.0, 0.8}) {
        SCOPED_TRACE(blur);
        QImage scan = sharp.copy();
        if (blur > 0.0) {
            cv::Mat grey(scan.height(), scan.width(), CV_8U, scan.bits(),
                         std::size_t(scan.bytesPerLine()));
            cv::GaussianBlur(grey, grey, {0, 0}, blur);
        }
        ASSERT_TRUE(scan.save(dir.filePath("scan.png")));
        const Ran found = Quirn({"--from-scan", dir.filePath("scan.png"), "--values", "0:15",
                                 "--export", dir.filePath("found.qrn")},
                                dir.path());
        EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
        EXPECT_TRUE(found.out.contains(
            QStringLiteral("Найдено делений: 31, больших: 16; закон шкалы: линейная")))
            << found.out.toStdString();
    }
}

TEST(ScanCommand, AScanWithoutAScaleSaysWhatWasNotFoundAndWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blank = test::SaveScan(test::BlankScan(300.0, 4.0), dir.filePath("blank.png"));
    ASSERT_FALSE(blank.isEmpty());
    struct Case {
        QStringList args;
        const char* said;
    };
    const Case cases[] = {
        {{"--from-scan", blank, "--values", "0:15", "--export", dir.filePath("out.qrn")},
         "На скане не найдена шкала: делений, сходящихся в одной точке, найдено 0, а нужно не "
         "меньше 3."},
        {{"--from-scan", dir.filePath("none.png"), "--values", "0:15", "--export",
          dir.filePath("out.qrn")},
         "не читается как изображение"},
        {{"--from-scan", blank, "--values", "5:5", "--export", dir.filePath("out.qrn")},
         "после --values нужны два разных числа через двоеточие, например 0:15"},
        {{"--from-scan", blank, "--export", dir.filePath("out.qrn")},
         "для --from-scan нужны --values ПЕРВОЕ:ПОСЛЕДНЕЕ, например 0:15"},
    };
    for (const Case& c : cases) {
        const Ran run = Quirn(c.args, dir.path());
        EXPECT_NE(run.exitCode, 0) << c.said;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.said))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("out.qrn"))) << c.said;
    }
}

}  // namespace
}  // namespace quirn
