// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the default record under another name through the document, for a test to end the
// save part-way: quirn_save_once FILE NAME [STEP]. A file size limit set by the test stops the
// write at any byte; STEP reaches the points after it, killing this process with SIGKILL there:
// "fsync" once every byte is written, "rename" with the temporary file complete and closed,
// "renamed" just after it took the file's place. Exits 0 after a complete save, 2 when it failed.
#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "model/Document.h"

namespace {

const char* gStep = "";

void DieAt(const char* step) {
    if (std::strcmp(gStep, step) == 0) ::raise(SIGKILL);
}

struct SaveTo : quirn::DocumentPrompts {
    std::string path;
    quirn::SaveAnswer AskSaveChanges(const std::string&) override { return quirn::SaveAnswer::No; }
    std::string AskOpenFileName() override { return {}; }
    std::string AskSaveFileName(const std::string&) override { return path; }
    void ReportFailure(const quirn::Outcome& failure) override {
        std::fprintf(stderr, "save failed (%d): %s\n", static_cast<int>(failure.fault),
                     failure.args.empty() ? "" : failure.args[0].c_str());
    }
};

}  // namespace

// The save's own calls: defined here, they take the C library's place in this program only, so
// the save runs unchanged up to the chosen point.
extern "C" int fsync(int fd) {
    DieAt("fsync");
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

extern "C" int rename(const char* from, const char* to) noexcept {
    DieAt("rename");
    const int result = ::renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (result == 0) DieAt("renamed");
    return result;
}

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fputs("usage: quirn_save_once FILE NAME [fsync|rename|renamed]\n", stderr);
        return 2;
    }
    if (argc == 4) gStep = argv[3];
    SaveTo prompts;
    prompts.path = argv[1];
    quirn::ScaleParameters p = quirn::kDefaultParameters;
    p.name = argv[2];
    quirn::Document doc(&prompts);
    doc.setModified(true);
    return doc.SaveAs(p) ? 0 : 2;
}
