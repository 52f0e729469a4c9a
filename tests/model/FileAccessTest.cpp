// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/FileAccess.h"
#include "model/TextCodec.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static std::string Slurp(const std::string& path) { return test::Slurp(path); }
    test::ScratchDirectory scratch_{"quirn-file"};
    const fs::path& dir_ = scratch_.path();
};

TEST_F(FileAccessTest, ReadsOnlyTheHeadAndNamesTheCause) {
    {
        std::ofstream out(Path("big.qrn"), std::ios::binary);
        out << std::string(200000, 'x') << 'y';
    }
    const Result<std::string> head = ReadFileHead(Path("big.qrn"), 1000);
    EXPECT_EQ(head.outcome.fault, Fault::None);
    EXPECT_EQ(head.value, std::string(1000, 'x'));
    const Result<std::string> whole = ReadFileHead(Path("big.qrn"), 1 << 20);
    EXPECT_EQ(whole.value, std::string(200000, 'x') + 'y');
    EXPECT_EQ(ReadFileHead(Path("missing.qrn"), 1000).outcome.fault, Fault::FileNotFound);
    EXPECT_EQ(ReadFileHead(dir_.string(), 1000).outcome.fault, Fault::AccessDenied);
    EXPECT_EQ(ReadFileHead(Path("big.qrn") + "/x", 1000).outcome.fault, Fault::BadPath);
}

TEST_F(FileAccessTest, AtomicWriteReplacesWholeAndKeepsPermissions) {
    const std::string path = Path("scale.qrn");
    ASSERT_EQ(WriteFileAtomically(path, "old"), Fault::None);
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(path, "new text"), Fault::None);
    EXPECT_EQ(Slurp(path), "new text");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

// Saving through a symbolic link once replaced the link by a plain file and left its target old.
TEST_F(FileAccessTest, WriteThroughALinkReplacesItsTargetAndKeepsTheLink) {
    fs::create_directory(dir_ / "scales");
    const std::string target = Path("scales/real.qrn");
    ASSERT_EQ(WriteFileAtomically(target, "old"), Fault::None);
    fs::create_symlink("scales/real.qrn", dir_ / "link.qrn");
    fs::create_symlink("link.qrn", dir_ / "chain.qrn");
    ASSERT_EQ(WriteFileAtomically(Path("chain.qrn"), "new"), Fault::None);
    EXPECT_TRUE(fs::is_symlink(dir_ / "chain.qrn"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.qrn"));
    EXPECT_EQ(Slurp(target), "new");
    // A link to a file not made yet creates it; a loop of links is refused.
    fs::create_symlink("scales/later.qrn", dir_ / "ahead.qrn");
    ASSERT_EQ(WriteFileAtomically(Path("ahead.qrn"), "made"), Fault::None);
    EXPECT_EQ(Slurp(Path("scales/later.qrn")), "made");
    fs::create_symlink("loop.qrn", dir_ / "loop.qrn");
    EXPECT_EQ(WriteFileAtomically(Path("loop.qrn"), "x"), Fault::BadPath);
    EXPECT_TRUE(fs::is_symlink(dir_ / "loop.qrn"));
}

TEST_F(FileAccessTest, FailedWriteLeavesNothingBehind) {
    EXPECT_EQ(WriteFileAtomically(Path("no-such-folder/scale.qrn"), "x"), Fault::FileNotFound);
    // A folder that exists but takes no file once reported the file as not found.
    if (fs::is_directory("/proc/self")) {
        EXPECT_EQ(WriteFileAtomically("/proc/x.qrn", "x"), Fault::CannotCreate);
    }
    fs::create_directory(Path("folder.qrn"));
    EXPECT_EQ(WriteFileAtomically(Path("folder.qrn"), "x"), Fault::AccessDenied);
    EXPECT_TRUE(fs::is_directory(Path("folder.qrn")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST(TextCodec, Windows1251RoundTripsAndUnknownCharactersBecomeQuestionMarks) {
    const std::string origin = "\xD1\xC4\xC5\xCB\xC0\xCD\xCE \xC2 \xD1\xD1\xD1\xD0";
    EXPECT_EQ(Cp1251ToUtf8(origin), "СДЕЛАНО В СССР");
    EXPECT_EQ(Utf8ToCp1251("СДЕЛАНО В СССР"), origin);
    EXPECT_EQ(Utf8ToCp1251("µA ✓"),
              "\xB5"
              "A ?");
    EXPECT_EQ(Utf8ToCp1251("a\xFFz"), "a?z");
    EXPECT_EQ(Cp1251ToUtf8("V"), "V");
}

}  // namespace
}  // namespace quirn
