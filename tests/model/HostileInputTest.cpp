// SPDX-License-Identifier: GPL-3.0-or-later
// Extreme and hostile values in every field and file the model reads: each gives a record or a
// reported cause, in bounded memory and time, and nothing that was written reads back as
// something else.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <thread>

#include "model/Document.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

std::vector<std::int32_t*> IntegerFields(ScaleParameters& p) {
    return {&p.shape,         &p.plateWidth,      &p.plateHeight,         &p.cornerBevel,
            &p.outerRadius,   &p.innerRadius,     &p.mountingHoleSpacing, &p.tickRadius,
            &p.ticksInward,   &p.divisions,       &p.bigDivisions,        &p.numberedDivisions,
            &p.bigTickLength, &p.smallTickLength, &p.bigTickWidth,        &p.smallTickWidth,
            &p.arcShown,      &p.arcWidth,        &p.mountingAboveAxis,   &p.mountingAboveBottom};
}

TEST(HostileRecord, EveryIntegerFieldKeepsZeroNegativeAndThe32BitLimits) {
    for (const std::int32_t value : {0, -1, -450, kMax, kMin}) {
        ScaleParameters p = kDefaultParameters;
        for (std::int32_t* field : IntegerFields(p)) *field = value;
        const std::string text = WriteParameterText(p);
        // Twenty eleven-character numbers still leave the file inside the read limit.
        ASSERT_LE(text.size(), kParameterReadLimit) << value;
        EXPECT_EQ(ReadScaleParameters(text), p) << value;
    }
    // Beyond the limits in the file: clamped, never wrapped.
    ScaleParameters over;
    over.plateWidth = kMax;
    over.plateHeight = kMin;
    EXPECT_EQ(ReadScaleParameters("Lshk\t= 4294967296\r\nHshk\t= -4294967297\r\n"), over);
}

TEST(HostileRecord, HugeTinyAndNonFiniteRealsNeverWriteNanOrBreakTheFile) {
    ScaleParameters p = kDefaultParameters;
    p.range = std::numeric_limits<double>::max();
    p.halfAngle = -std::numeric_limits<double>::max();
    const std::string text = WriteParameterText(p);
    ASSERT_LE(text.size(), kParameterReadLimit) << "two 309-digit numbers still fit";
    EXPECT_EQ(ReadScaleParameters(text), p);

    p.range = 1e-300;
    p.halfAngle = -0.004;
    EXPECT_NE(WriteParameterText(p).find("\r\nalfa\t= 0\r\n"), std::string::npos) << "not -0";
    const ScaleParameters tiny = ReadScaleParameters(WriteParameterText(p));
    EXPECT_EQ(tiny.range, 0.0);
    EXPECT_EQ(tiny.halfAngle, 0.0);

    p.range = std::numeric_limits<double>::quiet_NaN();
    p.halfAngle = -std::numeric_limits<double>::infinity();
    const std::string odd = WriteParameterText(p);
    EXPECT_EQ(odd.find("nan"), std::string::npos);
    EXPECT_EQ(odd.find("inf"), std::string::npos);
    EXPECT_EQ(ReadScaleParameters(odd).range, 0.0);
    // Words and exponents beyond the double range read as 0, not as infinity.
    EXPECT_EQ(ReadScaleParameters("range\t= inf\r\nalfa\t= 1e999\r\n").halfAngle, 0.0);
    EXPECT_EQ(ReadScaleParameters("range\t= nan\r\n").range, 0.0);
}

TEST(HostileRecord, TextsOfAnyLengthWriteWholeAndReadToTheLimit) {
    ScaleParameters p = kDefaultParameters;
    p.name.clear();
    p.unit.clear();
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p);

    p.name = std::string(100'000, '\xC0');  // Cyrillic А
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p);

    p.name.assign(2 * kParameterReadLimit, '\xC0');
    const std::string text = WriteParameterText(p);
    EXPECT_EQ(text.size(), 2 * kParameterReadLimit + 279u);
    const ScaleParameters read = ReadScaleParameters(text);
    // "name\t= " takes 7 bytes of the limit; everything after the name lies beyond it.
    EXPECT_EQ(read.name, std::string(kParameterReadLimit - 7, '\xC0'));
    EXPECT_EQ(read.mountingAboveBottom, 0);
    EXPECT_EQ(read.unit, "");
}

TEST(HostileRecord, ControlBytesInTextsCostNoOtherValue) {
    ScaleParameters p = kDefaultParameters;
    p.name = std::string("M4200\0X", 7);
    p.unit = "V\r\n\tA";
    const std::string text = WriteParameterText(p);
    // Still 24 lines, and no NUL to end the text early.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    ScaleParameters expected = p;
    expected.name = "M4200 X";
    expected.unit = "V   A";
    EXPECT_EQ(ReadScaleParameters(text), expected);
    // Bytes a file can hold come back unchanged: Cyrillic, DEL, 0xFF.
    p.name = "\xCC\xE8\xEA\xF0\xEE\x7F\xFF";
    p.unit = "\xEC\xEA\xC0";
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p);
}

struct QuietPrompts : DocumentPrompts {
    std::vector<Fault> reports;
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::No; }
    std::string AskOpenFileName() override { return {}; }
    std::string AskSaveFileName(const std::string&) override { return {}; }
    void ReportFailure(const Outcome& failure) override { reports.push_back(failure.fault); }
};

// The bytes this process has read so far, as the kernel counts them; -1 where it keeps no count.
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

class HostileFileOpen : public ::testing::Test {
  protected:
    void SetUp() override { doc_.setPrompts(&prompts_); }
    fs::path Put(const char* name, const std::string& bytes) const {
        return test::Put(dir_ / name, bytes);
    }
    test::ScratchDirectory scratch_{"quirn-hostile"};
    const fs::path& dir_ = scratch_.path();
    // Opens path as the session does: a record read replaces the one being edited.
    bool Open(const std::string& path) {
        const std::optional<ScaleParameters> opened = doc_.OpenDocumentFile(path, record_);
        if (opened) record_ = *opened;
        return opened.has_value();
    }

    QuietPrompts prompts_;
    Document doc_;
    ScaleParameters record_ = kDefaultParameters;
};

TEST_F(HostileFileOpen, BinaryNoiseIsRefusedAsNoScaleFile) {
    std::mt19937 random(11);
    std::string noise(3000, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    noise[0] = 'x';  // no NUL at the very start, so the reader has something to look at
    const ScaleParameters before = record_;
    EXPECT_FALSE(Open(Put("noise.qrn", noise).string()));
    EXPECT_EQ(record_, before);
    EXPECT_EQ(prompts_.reports, std::vector<Fault>{Fault::NotScaleFile});
}

TEST_F(HostileFileOpen, NoScaleFileRegressionForeignFilesAreRefusedAndAnyKnownKeyOpens) {
    struct Case {
        const char* what;
        std::string bytes;
        bool opens;
    };
    const Case cases[] = {
        {"picture", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), false},
        {"password file", "root:x:0:0:root:/root:/bin/bash\nname:x:1:1::/:\n", false},
        {"letter", "Dear reader,\nname, unit and range = what a scale needs.\n", false},
        {"empty file", "", true},
        {"a standard key", "Lshk=12\n", true},
        {"an extension key", "zone1 = 1 0 5 #ff0000\n", true},
        {"a further scale's key", "2.unit\t= V\r\n", true},
        {"a companion key", "unit.utf8\t= k\xCE\xA9\r\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts_.reports.clear();
        const ScaleParameters before = record_;
        EXPECT_EQ(Open(Put("file.qrn", c.bytes).string()), c.opens);
        EXPECT_EQ(prompts_.reports.empty(), c.opens);
        if (!c.opens) {
            EXPECT_EQ(prompts_.reports, std::vector<Fault>{Fault::NotScaleFile});
            EXPECT_EQ(record_, before);
        }
    }
    // Initial.qrn of another kind gives the built-in plate, not zeros.
    doc_.setInitialParametersFile(Put("Initial.qrn", "root:x:0:0\n").string());
    record_ = doc_.StartNew();
    EXPECT_EQ(record_, kDefaultParameters);
}

TEST_F(HostileFileOpen, GigabyteFileReadsOnlyItsHeadInBoundedMemoryAndTime) {
    ScaleParameters custom = kDefaultParameters;
    custom.name = "A1";
    const fs::path huge = Put("huge.qrn", WriteParameterText(custom));
    ASSERT_EQ(::truncate(huge.c_str(), off_t{1} << 30), 0);  // sparse: costs no disk

    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    const long long readBefore = BytesReadSoFar();
    ASSERT_TRUE(Open(huge.string()));
    const long long readAfter = BytesReadSoFar();
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);

    EXPECT_EQ(record_, custom);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 8 * 1024) << "KiB of peak growth";
    // The time goes with the bytes read: the limit's worth, however large the file.
    if (readBefore < 0) GTEST_SKIP() << "the kernel keeps no count of the bytes read here";
    EXPECT_LE(readAfter - readBefore, static_cast<long long>(kParameterReadLimit) + 64 * 1024);
}

// A named pipe nobody writes to: opening one for reading would wait for a writer for ever. The
// open runs in a child so that a hang fails the test instead of stopping the suite.
TEST_F(HostileFileOpen, NamedPipeWithoutWriterDoesNotHang) {
    const fs::path fifo = dir_ / "pipe.qrn";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const Result<std::string> read = ReadFileHead(fifo.string(), kParameterReadLimit);
        ::_exit(read.outcome.fault == Fault::None && read.value.empty() ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    pid_t done = 0;
    // Generous: the read takes microseconds, and a busy machine must not pass for a hang.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "reading a named pipe without a writer hangs";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "an idle pipe reads as an empty file";

    // Through the document: an empty file, so the record stays.
    ScaleParameters before = record_;
    EXPECT_TRUE(Open(fifo.string()));
    EXPECT_EQ(record_, before);
}

TEST_F(HostileFileOpen, InitialFileThatIsAFolderGivesTheDefaults) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir_);
    fs::create_directory(kInitialParametersFile);
    record_ = doc_.StartNew();
    EXPECT_EQ(record_, kDefaultParameters);
    // Writing over it fails with a cause and leaves the folder as it was.
    EXPECT_EQ(WriteInitialParameters(kDefaultParameters), Fault::AccessDenied);
    EXPECT_TRUE(fs::is_directory(kInitialParametersFile));
    fs::current_path(previous);
}

}  // namespace
}  // namespace quirn
