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
        out << std::string(5000, 'x');
    }
    const FileReadResult head = ReadFileHead(Path("big.qrn"), 1000);
    EXPECT_EQ(head.error, FileError::None);
    EXPECT_EQ(head.bytes.size(), 1000u);
    EXPECT_EQ(ReadFileHead(Path("missing.qrn"), 1000).error, FileError::FileNotFound);
    EXPECT_EQ(ReadFileHead(dir_.string(), 1000).error, FileError::AccessDenied);
    EXPECT_EQ(ReadFileHead(Path("big.qrn") + "/x", 1000).error, FileError::BadPath);
}

TEST_F(FileAccessTest, AtomicWriteReplacesWholeAndKeepsPermissions) {
    const std::string path = Path("scale.qrn");
    ASSERT_EQ(WriteFileAtomically(path, "old"), FileError::None);
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(path, "new text"), FileError::None);
    EXPECT_EQ(Slurp(path), "new text");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(FileAccessTest, FailedWriteLeavesNothingBehind) {
    EXPECT_EQ(WriteFileAtomically(Path("no-such-folder/scale.qrn"), "x"), FileError::FileNotFound);
    fs::create_directory(Path("folder.qrn"));
    EXPECT_EQ(WriteFileAtomically(Path("folder.qrn"), "x"), FileError::AccessDenied);
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
