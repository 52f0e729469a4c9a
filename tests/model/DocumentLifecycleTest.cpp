// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/Document.h"
#include "model/DocumentFiles.h"
#include "model/NumberText.h"
#include "model/ParameterText.h"
#include "model/TextCodec.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

using test::ScriptedDocumentPrompts;

// What the view's initial update does to the document: the description becomes its title.
std::string Describe(const ScaleParameters& p) {
    return Cp1251ToUtf8(p.name) + ", " + TrimmedNumber(p.plateWidth / 100.0, 2) + "x" +
           TrimmedNumber(p.plateHeight / 100.0, 2) + ", " + TrimmedNumber(p.range, 2) +
           Cp1251ToUtf8(p.unit);
}

using test::Put;
using test::Slurp;

class DocumentLifecycleTest : public ::testing::Test {
  protected:
    void SetUp() override { doc.setPrompts(&prompts); }
    // The document driven with the record being edited, as the session drives it: a record
    // opened or made anew is shown, and the description becomes the title.
    bool Shown(const std::optional<ScaleParameters>& opened) {
        if (!opened) return false;
        record = *opened;
        ++initialUpdates;
        doc.setDescription(Describe(record));
        return true;
    }
    bool New() { return Shown(doc.New(record)); }
    bool Open() { return Shown(doc.Open(record)); }
    bool OpenFile(const std::string& path) { return Shown(doc.OpenDocumentFile(path, record)); }
    bool Save() { return doc.Save(record); }
    bool SaveAs() { return doc.SaveAs(record); }
    bool SaveModified() { return doc.SaveModified(record); }
    // Apply as the session does it.
    void Apply(const ScaleParameters& p) {
        doc.setModified(true);
        record = p;
        doc.setDescription(Describe(p));
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static ScaleParameters Custom() {
        ScaleParameters p = kDefaultParameters;
        p.name = "A1";
        p.unit = "mA";
        p.range = 150;
        return p;
    }

    test::ScratchDirectory scratch_{"quirn-doc", true};
    const fs::path& dir_ = scratch_.path();
    ScriptedDocumentPrompts prompts;
    Document doc;
    ScaleParameters record = kDefaultParameters;
    int initialUpdates = 0;
};

TEST_F(DocumentLifecycleTest, NewDocumentTakesInitialFileOrDefaults) {
    ASSERT_TRUE(New());
    EXPECT_EQ(record, kDefaultParameters);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), "M4200, 69x60, 15V");
    EXPECT_TRUE(doc.filePath().empty()) << "a new document has no file";
    EXPECT_EQ(initialUpdates, 1);

    Put(dir_ / kInitialParametersFile, "");
    ASSERT_TRUE(New());
    EXPECT_EQ(record, ScaleParameters{}) << "an empty file gives zeros, not defaults";
    EXPECT_EQ(doc.title(), ", 0x0, 0");

    ASSERT_EQ(WriteInitialParameters(Custom()), Fault::None);
    ASSERT_TRUE(New());
    EXPECT_EQ(record, Custom()) << "what the end of the run wrote comes back";

    // Until the new record is shown the document is untitled.
    ASSERT_TRUE(doc.New(record));
    EXPECT_EQ(doc.title(), kUntitledTitle);
    EXPECT_TRUE(doc.filePath().empty());
}

TEST_F(DocumentLifecycleTest, InitialFileIsWrittenSafely) {
    ASSERT_EQ(WriteInitialParameters(Custom()), Fault::None);
    EXPECT_EQ(Slurp(dir_ / kInitialParametersFile), WriteParameterText(Custom()));
    EXPECT_EQ(Files(), std::vector<std::string>{kInitialParametersFile});
    EXPECT_EQ(InitialParametersPath(), (dir_ / kInitialParametersFile).string());

    fs::remove(dir_ / kInitialParametersFile);
    fs::create_directory(dir_ / kInitialParametersFile);
    EXPECT_NE(WriteInitialParameters(Custom()), Fault::None);
    ASSERT_TRUE(New()) << "an Initial.qrn that cannot be read gives the defaults";
    EXPECT_EQ(record, kDefaultParameters);
}

TEST_F(DocumentLifecycleTest, SaveQuestionAnswers) {
    ASSERT_TRUE(New());
    Apply(Custom());

    prompts.saveAnswers = {SaveAnswer::Cancel};
    EXPECT_FALSE(New());
    EXPECT_EQ(record, Custom());
    EXPECT_TRUE(doc.isModified());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "A1, 69x60, 150mA");

    // Yes, then the save dialog is cancelled: the command stops as well.
    prompts.saveAnswers = {SaveAnswer::Yes};
    EXPECT_FALSE(New());
    EXPECT_EQ(record, Custom());
    EXPECT_TRUE(doc.isModified());

    prompts.saveAnswers = {SaveAnswer::Yes};
    prompts.saveNames = {(dir_ / "kept").string()};
    EXPECT_TRUE(New());
    EXPECT_EQ(Slurp(dir_ / "kept.qrn"), WriteParameterText(Custom()));
    EXPECT_EQ(record, kDefaultParameters);
    EXPECT_FALSE(doc.isModified());

    Apply(Custom());
    prompts.saveAnswers = {SaveAnswer::No};
    EXPECT_TRUE(New());
    EXPECT_EQ(record, kDefaultParameters);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(Files(), std::vector<std::string>{"kept.qrn"}) << "no answer wrote nothing";

    EXPECT_TRUE(SaveModified()) << "an unmodified document asks nothing";
    EXPECT_EQ(prompts.questions.size(), 4u);
}

TEST_F(DocumentLifecycleTest, FailedSaveKeepsTheOldFileAndLeavesNoNewOne) {
    ASSERT_TRUE(New());
    Apply(Custom());

    // A name the platform takes but leaves no room for the safe write's temporary file.
    const fs::path existing = dir_ / (std::string(250, 'a') + ".qrn");
    Put(existing, "old");
    prompts.saveNames = {existing.string()};
    EXPECT_FALSE(SaveAs());
    EXPECT_EQ(Slurp(existing), "old");
    ASSERT_EQ(prompts.reports.size(), 1u);
    EXPECT_EQ(prompts.reports[0].path, existing.string());

    prompts.saveNames = {(dir_ / "no-such-folder" / "x.qrn").string()};
    EXPECT_FALSE(SaveAs());
    ASSERT_EQ(prompts.reports.size(), 2u);
    EXPECT_EQ(prompts.reports[1].error, Fault::FolderNotFound) << "the folder is what is missing";

    EXPECT_EQ(Files().size(), 1u) << "nothing beside the old file";
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), "A1, 69x60, 150mA");
}

TEST_F(DocumentLifecycleTest, OpenTakesTheFileAndKeepsTheDocumentWhenItCannot) {
    ASSERT_TRUE(New());
    Put(dir_ / "scale1.qrn", WriteParameterText(Custom()));
    prompts.openNames = {"scale1.qrn"};
    ASSERT_TRUE(Open());
    EXPECT_EQ(record, Custom());
    EXPECT_EQ(doc.title(), "A1, 69x60, 150mA (scale1.qrn)");
    EXPECT_EQ(doc.recentFiles().entries(),
              std::vector<std::string>{(dir_ / "scale1.qrn").string()});

    Apply(kDefaultParameters);
    Put(dir_ / "empty.qrn", "");
    prompts.saveAnswers = {SaveAnswer::No};
    ASSERT_TRUE(OpenFile((dir_ / "empty.qrn").string()));
    EXPECT_EQ(record, kDefaultParameters) << "an empty file changes nothing";
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), "M4200, 69x60, 15V (empty.qrn)");
    EXPECT_EQ(doc.recentFiles().entries().front(), (dir_ / "empty.qrn").string());

    Apply(Custom());
    const std::string pathBefore = doc.filePath();
    prompts.saveAnswers = {SaveAnswer::No};
    EXPECT_FALSE(OpenFile("missing.qrn"));
    ASSERT_EQ(prompts.reports.size(), 1u);
    EXPECT_EQ(prompts.reports[0].error, Fault::FileNotFound);
    EXPECT_EQ(prompts.reports[0].path, (dir_ / "missing.qrn").string());
    EXPECT_EQ(record, Custom());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.filePath(), pathBefore);

    // A folder opens to a read error: reported, nothing taken.
    fs::create_directory(dir_ / "folder.qrn");
    prompts.saveAnswers = {SaveAnswer::No};
    EXPECT_FALSE(OpenFile((dir_ / "folder.qrn").string()));
    EXPECT_EQ(prompts.reports.size(), 2u);
    EXPECT_EQ(record, Custom());
}

TEST_F(DocumentLifecycleTest, SaveWritesToTheOpenedFileNotToTheDescriptionsName) {
    Put(dir_ / "scale1.qrn", WriteParameterText(Custom()));
    // A file named like the description, in the current directory, is not the document's.
    Put(dir_ / "A1, 69x60, 150mA", "someone else's");
    Put(dir_ / "A1, 69x60, 150mA.qrn", "someone else's");
    ASSERT_TRUE(OpenFile((dir_ / "scale1.qrn").string()));
    ScaleParameters changed = Custom();
    changed.range = 300;
    Apply(changed);
    EXPECT_EQ(doc.title(), "A1, 69x60, 300mA (scale1.qrn)");

    prompts.saveAnswers = {SaveAnswer::Cancel};
    EXPECT_FALSE(New());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{"scale1.qrn"}) << "the file is named";

    ASSERT_TRUE(Save());
    EXPECT_TRUE(prompts.proposals.empty()) << "no dialog for a document with a file";
    EXPECT_EQ(Slurp(dir_ / "scale1.qrn"), WriteParameterText(changed));
    EXPECT_EQ(Slurp(dir_ / "A1, 69x60, 150mA"), "someone else's");
    EXPECT_EQ(Slurp(dir_ / "A1, 69x60, 150mA.qrn"), "someone else's");
    EXPECT_FALSE(doc.isModified());

    // Save as proposes the document's own file and makes the chosen one the document's.
    prompts.saveNames = {"typed"};
    ASSERT_TRUE(SaveAs());
    EXPECT_EQ(prompts.proposals, std::vector<std::string>{(dir_ / "scale1.qrn").string()});
    EXPECT_TRUE(fs::exists(dir_ / "typed.qrn")) << "a name typed without an extension gets one";
    EXPECT_EQ(doc.title(), "A1, 69x60, 300mA (typed.qrn)");
    EXPECT_EQ(doc.recentFiles().entries().front(), (dir_ / "typed.qrn").string());
}

// Saved into another folder, a plate still shows the pictures beside its old file: their names
// follow the move, while a name found nowhere (a library symbol) stays as written.
TEST_F(DocumentLifecycleTest, SaveAsElsewhereRegressionPicturesStayFound) {
    fs::create_directories(dir_ / "plates" / "old");
    Put(dir_ / "plates" / "Рис.svg", "<svg/>");  // "\xD0\xE8\xF1.svg" in the file
    Put(dir_ / "plates" / "scan.png", "png");
    ScaleParameters p = Custom();
    p.ext.pictures[1] = {{0, 0}, 1000, "\xD0\xE8\xF1.svg"};
    p.ext.pictures[2] = {{0, 0}, 1000, "moving-coil.svg"};
    p.ext.templateRecord = TemplateRecord{{0, 0}, 5000, 0.0, 0, "scan.png"};
    Put(dir_ / "plates" / "plate.qrn", WriteParameterText(p));
    ASSERT_TRUE(OpenFile((dir_ / "plates" / "plate.qrn").string()));
    const struct {
        fs::path folder;
        std::string picture, scan;
    } cases[] = {
        {dir_, "plates/\xD0\xE8\xF1.svg", "plates/scan.png"},
        {dir_ / "plates" / "old", (dir_ / "plates").string() + "/\xD0\xE8\xF1.svg",
         (dir_ / "plates" / "scan.png").string()},
        {dir_ / "plates", "\xD0\xE8\xF1.svg", "scan.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.string());
        prompts.saveNames = {(c.folder / "copy.qrn").string()};
        ASSERT_TRUE(SaveAs());
        ASSERT_TRUE(doc.lastFolderMove());
        record = WithFilesNamedFrom(record, doc.lastFolderMove()->from, doc.lastFolderMove()->to);
        const ScaleParameters saved = ReadScaleParameters(Slurp(c.folder / "copy.qrn"));
        EXPECT_EQ(saved, record);
        EXPECT_EQ(saved.ext.pictures.at(1).file, c.picture);
        EXPECT_EQ(saved.ext.pictures.at(2).file, "moving-coil.svg");
        EXPECT_EQ(saved.ext.templateRecord->file, c.scan);
    }
}

TEST_F(DocumentLifecycleTest, DescriptionsThatCannotBeFileNamesStillSave) {
    ScaleParameters slash = Custom();
    slash.name = "A1/2";
    ASSERT_TRUE(New());
    Apply(slash);
    EXPECT_EQ(doc.title(), "A1/2, 69x60, 150mA");
    EXPECT_TRUE(doc.recentFiles().entries().empty()) << "descriptions are not recent files";

    // Cyrillic letters are two bytes each in a file name: the cut must not split one.
    ScaleParameters longName = Custom();
    longName.name = "Z" + std::string(300, '\xC0');  // "А" in Windows-1251, after one ASCII byte
    Apply(longName);
    EXPECT_EQ(doc.title(), Describe(longName)) << "the title keeps the whole description";

    for (const ScaleParameters& p : {slash, longName}) {
        doc.StartNew();  // a document with no file yet
        Apply(p);
        prompts.saveNames.clear();
        prompts.proposals.clear();
        EXPECT_FALSE(Save());  // dialog cancelled, just to see the proposal
        ASSERT_EQ(prompts.proposals.size(), 1u);
        const fs::path proposal(prompts.proposals[0]);
        EXPECT_EQ(proposal.parent_path(), dir_);
        const std::string name = proposal.filename().string();
        EXPECT_LE(name.size(), 255u);
        EXPECT_EQ(name.find('/'), std::string::npos);
        if (p == longName) {
            std::string letters = "Z";
            while (letters.size() + 4 < name.size()) letters += "А";
            EXPECT_EQ(name, letters + ".qrn") << "cut between whole letters";
            EXPECT_GE(name.size(), 240u);
        } else {
            EXPECT_EQ(name, "A1_2, 69x60, 150mA.qrn");
        }
        prompts.saveNames = {proposal.string()};
        ASSERT_TRUE(Save()) << name;
        EXPECT_TRUE(fs::exists(proposal));
    }
}

TEST(RecentFileListTest, KeepsTenNewestWithoutDuplicates) {
    RecentFileList list;
    for (const char* path :
         {"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j", "/k", "/l", "/c"})
        list.Add(path);
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/c", "/l", "/k", "/j", "/i", "/h", "/g",
                                                        "/f", "/e", "/d"}));
    list.setEntries({"/x", "", "/y", "/x", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"});
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/x", "/y", "/1", "/2", "/3", "/4", "/5",
                                                        "/6", "/7", "/8"}));
}

TEST(DocumentNamesTest, DefaultExtensionOnlyWhenThereIsNone) {
    EXPECT_EQ(WithDefaultExtension("/d/scale"), "/d/scale.qrn");
    EXPECT_EQ(WithDefaultExtension("/d/scale.qrn"), "/d/scale.qrn");
    EXPECT_EQ(WithDefaultExtension("/d.x/scale"), "/d.x/scale.qrn");
}

}  // namespace
}  // namespace quirn
