// SPDX-License-Identifier: GPL-3.0-or-later
// Work a killed run left unsaved, as the next run offers it: restored into its own file and
// modified, with the file untouched until the user saves; thrown away; or kept for later.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <memory>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/RecoveryOffer.h"
#include "editing/ScaleSession.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

struct ScriptedRecovery : RecoveryPrompts {
    RecoveryAnswer answer = RecoveryAnswer::Later;
    std::vector<RecoveryCopy> offered;
    QStringList warnings;
    RecoveryDecision AskRecover(const std::vector<RecoveryCopy>& copies) override {
        offered = copies;
        return {answer, 0};
    }
    void Warn(const QString& text) override { warnings << text; }
};

class RecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        stateBefore_ = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(Path("state")));
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", stateBefore_); }
    QString Path(const char* name) const {
        return QString::fromStdString((scratch_.path() / name).string());
    }
    // A run that edits the document, keeps its work for recovery and is killed.
    void KilledRun(const QString& document) {
        QProcess run;
        run.start(QUIRN_EDIT_THEN_WAIT, {document, Path("killed.ini")});
        QByteArray said;
        while (!said.contains("kept") && run.waitForReadyRead(60000)) said += run.readAll();
        run.kill();
        run.waitForFinished();
        ASSERT_TRUE(said.contains("kept")) << run.readAllStandardError().toStdString();
    }

    test::ScratchDirectory scratch_{"quirn-recovery", true};
    QByteArray stateBefore_;
};

TEST_F(RecoveryTest, AKilledRunsWorkIsRestoredDiscardedOrKeptForLater) {
    ScaleParameters original = kDefaultParameters;
    original.name = "ORIGINAL";
    const QString document = Path("meter.qrn");
    const std::string onDisk = WriteParameterText(original);
    ASSERT_EQ(WriteFileAtomically(document.toStdString(), onDisk), Fault::None);
    const QString folder = RecoveryFolder();
    EXPECT_TRUE(folder.startsWith(Path("state"))) << folder.toStdString();

    struct Case {
        RecoveryAnswer answer;
        const char* shown;
        bool modified;
        std::size_t left;  // copies of runs that are gone, once this run is over
    };
    for (const Case& c : {Case{RecoveryAnswer::Later, "ORIGINAL", false, 1},
                          Case{RecoveryAnswer::Discard, "ORIGINAL", false, 0},
                          Case{RecoveryAnswer::Restore, "KILLED", true, 0}}) {
        SCOPED_TRACE(int(c.answer));
        for (const RecoveryCopy& copy : LeftRecoveryCopies(folder)) RemoveRecoveryCopy(copy);
        KilledRun(document);
        QSettings settings(Path("next.ini"), QSettings::IniFormat);
        test::ScriptedDocumentPrompts prompts;
        ScriptedRecovery recovery;
        recovery.answer = c.answer;
        auto app = std::make_unique<Application>(settings, &prompts);
        app->setRecoveryPrompts(&recovery);
        ASSERT_TRUE(app->start(document.toStdString()));
        ASSERT_EQ(recovery.offered.size(), 1u);
        EXPECT_EQ(recovery.offered[0].document, document);
        ScaleSession& session = app->mainWindow()->session();
        EXPECT_EQ(session.record().params().name, c.shown);
        EXPECT_EQ(app->document().isModified(), c.modified);
        EXPECT_EQ(app->document().filePath(), document.toStdString());
        // Nothing overwrites the file unasked.
        EXPECT_EQ(test::Slurp(scratch_.path() / "meter.qrn"), onDisk);
        if (c.answer == RecoveryAnswer::Restore) {
            ASSERT_TRUE(session.files().Save());
            EXPECT_NE(test::Slurp(scratch_.path() / "meter.qrn").find("KILLED"), std::string::npos);
        }
        app.reset();
        EXPECT_EQ(LeftRecoveryCopies(folder).size(), c.left);
        EXPECT_TRUE(recovery.warnings.isEmpty());
    }
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace quirn
