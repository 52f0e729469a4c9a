// SPDX-License-Identifier: GPL-3.0-or-later
// The open document's files as another program changes them: the document's own file read again
// or kept as the user says, never overwritten unasked, told once when deleted and written again
// by Save; a template that changed read again.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSettings>
#include <memory>

#include "app/Application.h"
#include "app/DiskWatch.h"
#include "app/MainWindow.h"
#include "editing/EditedRecord.h"
#include "editing/ScaleSession.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/RunningApp.h"

namespace quirn {
namespace {

class DiskChangeTest : public test::RunningApp {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Write("ORIGINAL"));
        Start(Path("meter.qrn").toStdString());
    }
    // Another program writes the document's file.
    bool Write(const char* name) const {
        ScaleParameters p = kDefaultParameters;
        p.name = name;
        return WriteFileAtomically(Path("meter.qrn").toStdString(), WriteParameterText(p)) ==
               Fault::None;
    }
    std::string OnDisk() const {
        return ReadScaleParameters(test::Slurp(scratch_.path() / "meter.qrn")).name;
    }
    std::string Shown() const { return frame_->session().record().params().name; }
    void Type(const char* name) {
        frame_->session().record().Edit(QStringLiteral("имя"),
                                        [name](SceneEdits& s) { s.params.name = name; });
    }
};

TEST_F(DiskChangeTest, AChangedFileIsReadAgainOrKeptAndNeverOverwrittenUnasked) {
    Document& doc = app_->document();
    ScaleSession& session = frame_->session();
    // Read again: the other program's version, unmodified.
    ASSERT_TRUE(Write("OTHER"));
    prompts_.reloadChanged = true;
    frame_->diskWatch().Check();
    EXPECT_EQ(prompts_.changedFiles, QStringList{"meter.qrn"});
    EXPECT_EQ(Shown(), "OTHER");
    EXPECT_FALSE(doc.isModified());
    // Nothing changed since: nothing asked.
    frame_->diskWatch().Check();
    EXPECT_EQ(prompts_.changedFiles.size(), 1);

    // Kept: the version shown is modified against the file, and Save writes it.
    Type("MINE");
    ASSERT_TRUE(Write("THIRD"));
    prompts_.reloadChanged = false;
    frame_->diskWatch().Check();
    EXPECT_EQ(Shown(), "MINE");
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(session.files().Save());
    EXPECT_TRUE(documentPrompts_.changedAsked.empty());
    EXPECT_EQ(OnDisk(), "MINE");

    // Changed while the window was elsewhere: Save asks, and no keeps the other version.
    Type("FOURTH");
    ASSERT_TRUE(Write("FIFTH"));
    documentPrompts_.replaceChanged = {false, true};
    EXPECT_FALSE(session.files().Save());
    EXPECT_EQ(OnDisk(), "FIFTH");
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(session.files().Save());
    EXPECT_EQ(OnDisk(), "FOURTH");
    EXPECT_EQ(documentPrompts_.changedAsked.size(), 2u);

    // Deleted: told once, the document kept, and Save writes it again where it was.
    ASSERT_TRUE(QFile::remove(Path("meter.qrn")));
    frame_->diskWatch().Check();
    frame_->diskWatch().Check();
    ASSERT_EQ(prompts_.notices.size(), 1);
    EXPECT_TRUE(prompts_.notices[0].startsWith(QStringLiteral("Файл «meter.qrn» удалён")))
        << prompts_.notices[0].toStdString();
    EXPECT_EQ(Shown(), "FOURTH");
    Type("SIXTH");
    EXPECT_TRUE(session.files().Save());
    EXPECT_EQ(OnDisk(), "SIXTH");
    EXPECT_TRUE(documentPrompts_.reports.empty());
}

TEST_F(DiskChangeTest, ATemplateChangedOnDiskIsReadAgain) {
    QImage scan(400, 300, QImage::Format_RGB32);
    scan.fill(Qt::gray);
    ASSERT_TRUE(scan.save(Path("scan.png")));
    ScaleSession& session = frame_->session();
    ASSERT_TRUE(session.templates().Load(Path("scan.png")).ok());
    frame_->diskWatch().Check();
    EXPECT_EQ(session.scene().templatePicture.image.size(), QSize(400, 300));
    ASSERT_TRUE(scan.scaled(200, 100).save(Path("scan.png")));
    frame_->diskWatch().Check();
    EXPECT_EQ(session.scene().templatePicture.image.size(), QSize(200, 100));
    EXPECT_TRUE(prompts_.changedFiles.isEmpty());
}

}  // namespace
}  // namespace quirn
