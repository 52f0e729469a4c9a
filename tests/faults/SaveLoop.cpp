// Saves a large record through the document over and over, so that a test can kill it in the
// middle of a save: quirn_save_loop <file> <name length>. Each save holds a name of one repeated
// letter, alternating between saves, so a file mixing two saves or cut short is easy to tell.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/CQuirnDoc.h"

namespace {

struct SaveTo : quirn::DocumentPrompts {
    std::string path;
    quirn::SaveAnswer AskSaveChanges(const std::string&) override { return quirn::SaveAnswer::No; }
    std::string AskOpenFileName() override { return {}; }
    std::string AskSaveFileName(const std::string&) override { return path; }
    void ReportFileError(quirn::FileError error, const std::string& fullPath,
                         quirn::DocumentOperation) override {
        std::fprintf(stderr, "save failed (%d): %s\n", static_cast<int>(error), fullPath.c_str());
        std::exit(2);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: quirn_save_loop FILE NAME-LENGTH\n", stderr);
        return 2;
    }
    SaveTo prompts;
    prompts.path = argv[1];
    const std::size_t length = std::strtoul(argv[2], nullptr, 10);
    quirn::CQuirnDoc doc(&prompts);
    for (unsigned long save = 0;; ++save) {
        quirn::ScaleParameters p = quirn::kDefaultParameters;
        p.name.assign(length, save % 2 == 0 ? 'A' : 'B');
        doc.setParameters(p);
        doc.SetModifiedFlag(true);
        if (!doc.OnFileSaveAs()) return 2;
        if (save == 0) {
            // The first complete save: from here on the file must always be whole.
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
