// SPDX-License-Identifier: GPL-3.0-or-later
// Saving under real faults: the process killed in the middle of a save, a full disk, a
// read-only file system and a file size limit. Whatever happens, the file that was there stays
// whole (old or new, never partial) and the cause reaches the user with the file's name.
//
// The full-disk and read-only cases mount a small tmpfs. They run in a mount namespace of their
// own when the kernel allows it, so no mount outlives the test; without the right to mount they
// are skipped, and the file size limit (which needs no privilege) still proves the disk-full path.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/Document.h"
#include "model/ParameterText.h"
#include "peripherals/ScreenCalibration.h"
#include "support/TestFiles.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

using test::Slurp;

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

fs::path FreshDirectory(const char* what) {
    const fs::path dir = fs::temp_directory_path() /
                         ("quirn-" + std::string(what) + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

struct Prompts : DocumentPrompts {
    std::string saveName;
    std::vector<std::string> messages;
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::Yes; }
    std::string AskOpenFileName() override { return {}; }
    std::string AskSaveFileName(const std::string&) override { return saveName; }
    void ReportFailure(const Outcome& failure) override {
        messages.push_back(OutcomeMessage(failure));
    }
};

// A record whose file is a few hundred bytes, or as large as asked.
ScaleParameters Record(char letter, std::size_t nameLength = 8) {
    ScaleParameters p = kDefaultParameters;
    p.name.assign(nameLength, letter);
    return p;
}

// --- killed in the middle of a save -------------------------------------------------------------

// Saves the record named `name` over file in a child (quirn_save_once) whose files may not grow
// beyond sizeLimit bytes: a write past it ends the child with SIGXFSZ, that signal's default.
// step, when given, is where the child kills itself after the write. Returns the wait status.
int SaveInChild(const fs::path& file, const std::string& name, rlim_t sizeLimit,
                const char* step = nullptr) {
    const pid_t child = ::fork();
    if (child == 0) {
        const struct rlimit noCore { 0, 0 };
        const struct rlimit size { sizeLimit, sizeLimit };
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::signal(SIGXFSZ, SIG_DFL);
        sigset_t xfsz;
        ::sigemptyset(&xfsz);
        ::sigaddset(&xfsz, SIGXFSZ);
        ::sigprocmask(SIG_UNBLOCK, &xfsz, nullptr);
        ::execl(QUIRN_SAVE_ONCE, "quirn_save_once", file.c_str(), name.c_str(), step, nullptr);
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// The temporary files a save left beside the document, each checked to be one: named after the
// document with a suffix, so neither the program nor a file dialog takes it for a scale.
std::vector<fs::path> Leftovers(const fs::path& file) {
    std::vector<fs::path> found;
    for (const std::string& name : Names(file.parent_path())) {
        if (name == file.filename()) continue;
        EXPECT_EQ(name.rfind(file.filename().string() + ".", 0), 0u) << name;
        EXPECT_EQ(name.size(), file.filename().string().size() + 7) << name;
        found.push_back(file.parent_path() / name);
    }
    return found;
}

// The save ended at every point it can end: at each byte of its write, once all is written,
// before and after the file takes the document's place. Each time the document holds the whole
// old file or the whole new one, and what was written so far sits in a temporary file.
TEST(KilledSave, LeavesTheOldOrTheNewFileNeverAPartialOne) {
    test::ScratchDirectory dir("quirn-killed-save");
    const fs::path file = dir / "scale.qrn";
    const std::string oldBytes = WriteParameterText(Record('A'));
    const std::string newName = Record('B').name;
    const std::string newBytes = WriteParameterText(Record('B'));

    for (std::size_t limit = 0; limit <= newBytes.size(); ++limit) {
        SCOPED_TRACE("files limited to " + std::to_string(limit) + " bytes");
        test::Put(file, oldBytes);
        const int status = SaveInChild(file, newName, limit);
        const std::vector<fs::path> left = Leftovers(file);
        if (limit == newBytes.size()) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
            ASSERT_EQ(Slurp(file), newBytes);
            ASSERT_TRUE(left.empty());
        } else {
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
            ASSERT_EQ(Slurp(file), oldBytes);
            ASSERT_EQ(left.size(), 1u);
            ASSERT_EQ(Slurp(left[0]), newBytes.substr(0, limit)) << "the write stopped elsewhere";
            fs::remove(left[0]);
        }
    }

    for (const char* step : {"fsync", "rename", "renamed"}) {
        SCOPED_TRACE(std::string("killed at ") + step);
        test::Put(file, oldBytes);
        const int status = SaveInChild(file, newName, RLIM_INFINITY, step);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
        const std::vector<fs::path> left = Leftovers(file);
        if (std::string(step) == "renamed") {
            EXPECT_EQ(Slurp(file), newBytes);
            EXPECT_TRUE(left.empty());
        } else {
            EXPECT_EQ(Slurp(file), oldBytes);
            ASSERT_EQ(left.size(), 1u);
            EXPECT_EQ(Slurp(left[0]), newBytes);
            fs::remove(left[0]);
        }
    }
}

// --- the file size limit: a disk-full error without any privilege --------------------------------

// Runs the three safe writes in a child whose files may not grow beyond a few bytes; the child
// reports through its exit status: bit 0 the document, bit 1 Initial.qrn, bit 2 Screen.ini,
// each set when that write did not fail with DiskFull and the message naming the file.
TEST(FileSizeLimit, EveryWriteFailsAsDiskFullAndKeepsTheOldFile) {
    const fs::path dir = FreshDirectory("fsize");
    const fs::path document = dir / "scale.qrn";
    const fs::path screen = dir / "Screen.ini";
    ASSERT_EQ(WriteFileAtomically(document.string(), "old document"), Fault::None);
    ASSERT_EQ(WriteFileAtomically((dir / kInitialParametersFile).string(), "old initial"),
              Fault::None);
    ASSERT_EQ(WriteFileAtomically(screen.string(), "old screen"), Fault::None);

    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit { 16, 16 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int failed = 0;
        Prompts prompts;
        prompts.saveName = document.string();
        Document doc(&prompts);
        doc.setModified(true);
        const std::string expected =
            "Диск переполнен в процессе обращения к " + document.string() + ".";
        if (doc.SaveAs(Record('N')) || prompts.messages != std::vector<std::string>{expected})
            failed |= 1;
        if (::chdir(dir.c_str()) != 0 ||
            WriteInitialParameters(kDefaultParameters) != Fault::DiskFull)
            failed |= 2;
        if (SaveScreenCalibration(screen.string(), {345, 1.0}) != Fault::DiskFull) failed |= 4;
        ::_exit(failed);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "bit 0 document, bit 1 Initial.qrn, bit 2 Screen.ini";
    EXPECT_EQ(Slurp(document), "old document");
    EXPECT_EQ(Slurp(dir / kInitialParametersFile), "old initial");
    EXPECT_EQ(Slurp(screen), "old screen");
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"Initial.qrn", "Screen.ini", "scale.qrn"}))
        << "no temporary file left behind";
    fs::remove_all(dir);
}

// --- a full disk and a read-only file system, on a real mount
// --------------------------------------

class MountedFault : public ::testing::Test {
  protected:
    void SetUp() override {
        // Our own mount namespace, private, so the mount is gone with the process whatever
        // happens; where that is refused, a plain mount removed in TearDown.
        static const bool isolated =
            ::unshare(CLONE_NEWNS) == 0 &&
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        (void)isolated;
        dir_ = FreshDirectory("mount");
        if (::mount("quirn-fault", dir_.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                         << "); the file size limit test covers the disk-full path";
        mounted_ = true;
        previous_ = fs::current_path();
        document_ = dir_ / "scale.qrn";
        screen_ = dir_ / "Screen.ini";
        ASSERT_EQ(WriteFileAtomically(document_.string(), WriteParameterText(Record('O'))),
                  Fault::None);
        ASSERT_EQ(WriteFileAtomically((dir_ / kInitialParametersFile).string(), "old initial"),
                  Fault::None);
        ASSERT_EQ(SaveScreenCalibration(screen_.string(), {300, 1.0}), Fault::None);
        oldDocument_ = Slurp(document_);
        oldScreen_ = Slurp(screen_);
    }
    void TearDown() override {
        if (!mounted_) return;
        fs::current_path(previous_);
        ::umount2(dir_.c_str(), MNT_DETACH);
        fs::remove_all(dir_);
    }
    // Saves through the document and through the two files of the program's own; returns the
    // messages the document reported.
    std::vector<std::string> SaveAll(Fault expected) {
        Prompts prompts;
        prompts.saveName = document_.string();
        Document doc(&prompts);
        doc.setModified(true);
        EXPECT_FALSE(doc.Save(Record('N', 200'000)));
        EXPECT_TRUE(doc.isModified());
        fs::current_path(dir_);
        EXPECT_EQ(WriteInitialParameters(Record('N', 200'000)), expected);
        EXPECT_EQ(SaveScreenCalibration(screen_.string(), {345, 1.15}), expected);
        fs::current_path(previous_);
        return prompts.messages;
    }
    void ExpectOldFilesWhole() {
        EXPECT_EQ(Slurp(document_), oldDocument_);
        EXPECT_EQ(Slurp(dir_ / kInitialParametersFile), "old initial");
        EXPECT_EQ(Slurp(screen_), oldScreen_);
    }

    bool mounted_ = false;
    fs::path dir_, previous_, document_, screen_;
    std::string oldDocument_, oldScreen_;
};

TEST_F(MountedFault, FullDiskReportsItAndKeepsEveryOldFile) {
    // Fill what is left, so that even a write of a few bytes finds no room.
    {
        const int fd = ::open((dir_ / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ASSERT_EQ(errno, ENOSPC);
        char byte = 'f';
        while (::write(fd, &byte, 1) > 0) {
        }
        ::close(fd);
    }
    const std::vector<std::string> messages = SaveAll(Fault::DiskFull);
    EXPECT_EQ(messages, std::vector<std::string>{"Диск переполнен в процессе обращения к " +
                                                 document_.string() + "."});
    ExpectOldFilesWhole();
    EXPECT_EQ(Names(dir_),
              (std::vector<std::string>{"Initial.qrn", "Screen.ini", "filler", "scale.qrn"}));
}

TEST_F(MountedFault, ReadOnlyFileSystemReportsItAndKeepsEveryOldFile) {
    ASSERT_EQ(::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    const std::vector<std::string> messages = SaveAll(Fault::ReadOnly);
    EXPECT_EQ(messages,
              std::vector<std::string>{document_.string() +
                                       " не может быть записан: диск доступен только для чтения."});
    ExpectOldFilesWhole();
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"Initial.qrn", "Screen.ini", "scale.qrn"}));
}

}  // namespace
}  // namespace quirn
