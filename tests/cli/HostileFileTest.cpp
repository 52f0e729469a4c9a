// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what they claim: parameter files read by the program itself, answered with
// a record or a clear message, a huge one costing no more memory than a small one; and template
// pictures that are cut short or announce an absurd size.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "model/ParameterText.h"
#include "peripherals/TemplateUnderlay.h"
#include "support/BmpBytes.h"
#include "support/TestFiles.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

struct DumpRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    long peakRssKb = 0;
};

using test::Slurp;

// Runs `quirn --dump-parameters file` and takes the peak resident size of that one child from
// wait4, so earlier children of this process do not count.
DumpRun Dump(const fs::path& dir, const fs::path& file) {
    const fs::path out = dir / "stdout.txt";
    const fs::path err = dir / "stderr.txt";
    const pid_t child = ::fork();
    if (child == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::execl(QUIRN_TEST_BINARY, "quirn", "--dump-parameters", file.c_str(), nullptr);
        ::_exit(127);
    }
    DumpRun run;
    int status = 0;
    struct rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakRssKb = usage.ru_maxrss;
    run.out = Slurp(out);
    run.err = Slurp(err);
    return run;
}

class HostileFile : public ::testing::Test {
  protected:
    fs::path Write(const char* name, const std::string& bytes) const {
        return test::Put(dir_ / name, bytes);
    }
    test::ScratchDirectory scratch_{"quirn-hostile-file"};
    const fs::path& dir_ = scratch_.path();
};

TEST_F(HostileFile, DirectoryIsRefusedWithTheAccessMessage) {
    fs::create_directory(dir_ / "folder.qrn");
    const DumpRun run = Dump(dir_, dir_ / "folder.qrn");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("Доступ к " + (dir_ / "folder.qrn").string() + " запрещен."),
              std::string::npos)
        << run.err;
}

TEST_F(HostileFile, AnEmptyFileGivesACompleteRecordAndNoiseIsRefused) {
    const DumpRun empty = Dump(dir_, Write("empty.qrn", ""));
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_TRUE(empty.out.starts_with("name\t= \nunit\t= \nrange\t= 0\n")) << empty.out;
    EXPECT_EQ(std::count(empty.out.begin(), empty.out.end(), '\n'), 24);

    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    const fs::path noisy = Write("noise.qrn", noise);
    const DumpRun binary = Dump(dir_, noisy);
    EXPECT_EQ(binary.exitCode, 1);
    EXPECT_TRUE(binary.out.empty());
    EXPECT_NE(binary.err.find("\u00AB" + noisy.string() + "\u00BB"), std::string::npos)
        << binary.err;
}

TEST_F(HostileFile, GigabyteFileIsReadInBoundedMemory) {
    // Sparse: a gigabyte long, almost nothing on disk; the record sits in its first bytes.
    const fs::path huge = Write("huge.qrn", WriteParameterText(kDefaultParameters));
    ASSERT_EQ(::truncate(huge.c_str(), off_t{1} << 30), 0);
    const fs::path small = Write("small.qrn", WriteParameterText(kDefaultParameters));

    const DumpRun baseline = Dump(dir_, small);
    const DumpRun run = Dump(dir_, huge);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, baseline.out);
    // Reading the whole file would add a gigabyte; only the first mebibyte may be read.
    EXPECT_LT(run.peakRssKb - baseline.peakRssKb, 8 * 1024)
        << "peak RSS " << run.peakRssKb << " KiB against " << baseline.peakRssKb << " KiB";
    EXPECT_GT(baseline.peakRssKb, 0);
}

TEST_F(HostileFile, TruncatedTemplateGivesAWholePictureOrAMessage) {
    // 200 x 200 pixels announced, a third of the rows present.
    const fs::path cut = Write("cut.bmp", test::BmpBytes(200, 200, 600 * 66));
    const Result<QImage> result = LoadTemplateImage(QString::fromStdString(cut.string()));
    if (result.ok()) {
        EXPECT_EQ(result.value.size(), QSize(200, 200));
    } else {
        EXPECT_TRUE(result.value.isNull());
        const QString message = OutcomeText(result.outcome);
        EXPECT_TRUE(message.contains(QString::fromStdString(cut.string())))
            << message.toStdString();
    }
    // Cut inside the header: never a picture.
    const fs::path header = Write("header.bmp", test::BmpBytes(200, 200, 0).substr(0, 30));
    EXPECT_FALSE(LoadTemplateImage(QString::fromStdString(header.string())).ok());
}

TEST_F(HostileFile, GiantTemplateHeaderIsRefusedBeforeDecoding) {
    // 60000 x 60000 pixels would take over 10 GB once decoded; the file itself is tiny.
    // bench/HostileInputBench.cpp times the refusal.
    const fs::path giant = Write("giant.bmp", test::BmpBytes(60000, 60000, 4096));
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    const Result<QImage> result = LoadTemplateImage(QString::fromStdString(giant.string()));
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.value.isNull());
    const QString refusal = OutcomeText(result.outcome);
    EXPECT_TRUE(refusal.contains(QString::fromStdString(giant.string()))) << refusal.toStdString();
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "KiB of peak growth";

    // A side beyond the limit with a modest pixel count: refused for its size, which is named.
    const fs::path wide = Write("wide.bmp", test::BmpBytes(40000, 2, 4096));
    const Result<QImage> tooWide = LoadTemplateImage(QString::fromStdString(wide.string()));
    const QString tooWideText = OutcomeText(tooWide.outcome);
    EXPECT_EQ(tooWide.outcome.fault, Fault::TemplateTooLarge) << tooWideText.toStdString();
    EXPECT_TRUE(tooWideText.contains(QStringLiteral("40000 x 2"))) << tooWideText.toStdString();
}

}  // namespace
}  // namespace quirn
