// SPDX-License-Identifier: GPL-3.0-or-later
// "Создать по скану…" as the user goes through it: the scan chosen, its end values typed, and a
// new document that is the proposal, the scan its template, one step to undo; a scan without a
// scale told and the document left as it was.
#include <gtest/gtest.h>

#include <QImage>
#include <QSettings>
#include <QUndoStack>
#include <cmath>
#include <memory>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/ParameterText.h"
#include "scan/DrawnScan.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

class ScanDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings_ = std::make_unique<QSettings>(
            QString::fromStdString((scratch_.path() / "profile.ini").string()),
            QSettings::IniFormat);
        app_ = std::make_unique<Application>(*settings_, &documentPrompts_);
        ASSERT_TRUE(app_->start({}));
        frame_ = app_->mainWindow();
        frame_->setPrompts(&prompts_);
    }
    void TearDown() override {
        frame_->setPrompts(nullptr);
        app_.reset();
    }
    QString Path(const char* name) const {
        return QString::fromStdString((scratch_.path() / name).string());
    }
    std::string File() const { return WriteParameterText(frame_->session().scene().params); }

    test::ScratchDirectory scratch_{"quirn-scan", true};
    std::unique_ptr<QSettings> settings_;
    test::ScriptedDocumentPrompts documentPrompts_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<Application> app_;
    MainWindow* frame_ = nullptr;
};

TEST_F(ScanDocumentTest, TheProposalBecomesANewDocumentWithTheScanAsItsTemplate) {
    test::DrawnPlate plate;
    plate.turn = -3.0;
    const QString scan = test::SaveScan(test::DrawScan(plate), Path("old plate.png"));
    ASSERT_FALSE(scan.isEmpty());
    prompts_.templateFile = [&] { return scan; };
    prompts_.scanEnds = ScanEnds{0.0, 100.0};
    frame_->action(Command::FromScan)->trigger();

    ASSERT_TRUE(prompts_.warnings.isEmpty()) << prompts_.warnings.join('\n').toStdString();
    ASSERT_TRUE(prompts_.scanReport.has_value());
    EXPECT_EQ(prompts_.scanReport->law, ScaleLaw::Linear);
    const std::string file = File();
    EXPECT_NE(file.find("\r\nNfull\t= 40\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\nNbig\t= 8\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("old plate.png"), std::string::npos) << file;
    // A new, untitled, modified document whose one step is the proposal.
    EXPECT_TRUE(frame_->isWindowModified());
    QUndoStack& history = frame_->session().history();
    ASSERT_EQ(history.count(), 1);
    EXPECT_EQ(history.undoText(), QStringLiteral("создание по скану"));
    history.undo();
    EXPECT_EQ(File().find("old plate.png"), std::string::npos);
}

TEST_F(ScanDocumentTest, AScanWithoutAScaleIsToldAndTheDocumentStays) {
    const std::string before = File();
    const QString blank = test::SaveScan(test::BlankScan(300.0, 4.0), Path("blank.png"));
    ASSERT_FALSE(blank.isEmpty());
    prompts_.templateFile = [&] { return blank; };
    prompts_.scanEnds = ScanEnds{0.0, 15.0};
    frame_->action(Command::FromScan)->trigger();
    ASSERT_EQ(prompts_.warnings.size(), 1);
    EXPECT_EQ(prompts_.warnings[0], QStringLiteral("На скане не найдена шкала: делений, "
                                                   "сходящихся в одной точке, найдено 0, а нужно "
                                                   "не меньше 3."));
    EXPECT_FALSE(prompts_.scanReport.has_value());
    EXPECT_EQ(File(), before);
    EXPECT_EQ(frame_->session().history().count(), 0);
}

}  // namespace
}  // namespace quirn
