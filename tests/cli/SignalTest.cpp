// SPDX-License-Identifier: GPL-3.0-or-later
// Ending from outside: SIGTERM, SIGHUP and SIGINT end it as closing the window does, minus
// the questions; the desktop session's request to close asks the save question first.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <deque>
#include <filesystem>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/RecoveryCopies.h"
#include "app/SessionEnd.h"
#include "model/Document.h"
#include "model/ParameterText.h"
#include "support/TestFiles.h"
#include "view/canvas/ScaleView.h"
#include "view/panel/PanelFields.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

using test::Slurp;

constexpr char kReadyLine[] = "quirn: ready\n";

// What the program says on standard error until it writes the line it was asked for
// (QUIRN_REPORT_READY) once its event loop turns, or until it ends or stays silent too long.
QByteArray StandardErrorUntilReady(QProcess& quirn) {
    quirn.setReadChannel(QProcess::StandardError);
    QByteArray said;
    // Generous for a slow machine: the wait ends as soon as the line comes.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!said.contains(kReadyLine)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !quirn.waitForReadyRead(int(left.count()))) break;
        said += quirn.readAllStandardError();
    }
    return said;
}

class EndFromOutside : public ::testing::TestWithParam<int> {};

TEST_P(EndFromOutside, EndsCleanlyAndKeepsTheParameters) {
    const int signal = GetParam();
    QTemporaryDir work;
    QTemporaryDir profile;
    const QString sample = QStringLiteral(QUIRN_TEST_SAMPLES "/E8021-250V-inside.qrn");

    QProcess quirn;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", profile.path());
    // Work another run left for recovery would be offered in a dialog: none here.
    env.insert("XDG_STATE_HOME", profile.path());
    env.insert("QUIRN_REPORT_READY", "1");
    quirn.setProcessEnvironment(env);
    quirn.setWorkingDirectory(work.path());
    quirn.start(QUIRN_TEST_BINARY, {sample});
    ASSERT_TRUE(quirn.waitForStarted(60000));
    const qint64 pid = quirn.processId();
    const QByteArray said = StandardErrorUntilReady(quirn);
    ASSERT_TRUE(said.contains(kReadyLine)) << "the program did not come up: " << said.constData();
    ASSERT_FALSE(fs::exists(fs::path(work.path().toStdString()) / "Initial.qrn"));

    ASSERT_EQ(::kill(static_cast<pid_t>(pid), signal), 0);
    ASSERT_TRUE(quirn.waitForFinished(60000));
    EXPECT_EQ(quirn.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(quirn.exitCode(), 0) << quirn.readAllStandardError().constData();

    // The parameters of the opened file, whole, and nothing half-written beside them.
    QFile opened(sample);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    const fs::path dir(work.path().toStdString());
    EXPECT_EQ(Slurp(dir / "Initial.qrn"), opened.readAll().toStdString());
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "Initial.qrn");
    }
    EXPECT_EQ(files, 1);
}

INSTANTIATE_TEST_SUITE_P(SignalTest, EndFromOutside, ::testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const ::testing::TestParamInfo<int>& signalInfo) {
                             return std::string(signalInfo.param == SIGTERM  ? "SIGTERM"
                                                : signalInfo.param == SIGHUP ? "SIGHUP"
                                                                             : "SIGINT");
                         });

struct ScriptedPrompts : DocumentPrompts {
    std::deque<SaveAnswer> answers;
    std::string saveName;
    int questions = 0;

    SaveAnswer AskSaveChanges(const std::string&) override {
        ++questions;
        if (answers.empty()) return SaveAnswer::Cancel;
        const SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string AskOpenFileName() override { return {}; }
    std::string AskSaveFileName(const std::string&) override { return saveName; }
    void ReportFailure(const Outcome&) override {}
};

// The desktop program in a temporary directory, with a name applied and not saved.
class SessionEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        stateBefore_ = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir_.filePath("state")));
        previous_ = fs::current_path();
        fs::current_path(dir_.path().toStdString());
        settings_ = std::make_unique<QSettings>(dir_.filePath("profile.ini"), QSettings::IniFormat);
        app_ = std::make_unique<Application>(*settings_, &prompts_);
        ASSERT_TRUE(app_->start({}));
        app_->mainWindow()->parameterBar().setText(BarControl::Name, QStringLiteral("Unsaved"));
        app_->mainWindow()->panel().applyParameters();
        ASSERT_TRUE(app_->document().isModified());
    }
    void TearDown() override {
        app_.reset();
        settings_.reset();
        fs::current_path(previous_);
        qputenv("XDG_STATE_HOME", stateBefore_);
    }
    // Runs the event loop until something ends it, or fails after a while.
    int Run() {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(20000);
        return QApplication::exec();
    }
    std::string Kept() const { return Slurp(fs::path(dir_.path().toStdString()) / "Initial.qrn"); }
    // The unsaved work this run left for the next one to offer; empty when none.
    std::string LeftForRecovery() const {
        const QString copy = OwnRecoveryCopy(RecoveryFolder()).record;
        return QFile::exists(copy) ? Slurp(QFile::encodeName(copy).toStdString()) : std::string();
    }

    QTemporaryDir dir_;
    QByteArray stateBefore_;
    fs::path previous_;
    std::unique_ptr<QSettings> settings_;
    ScriptedPrompts prompts_;
    std::unique_ptr<Application> app_;
};

TEST_F(SessionEndTest, SignalEndsTheRunWithoutTheQuestionAndKeepsTheAppliedParameters) {
    SessionEnd sessionEnd(*app_);
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sessionEnd.receivedSignal(), SIGTERM);
    EXPECT_EQ(prompts_.questions, 0);
    app_->finish();
    EXPECT_EQ(ReadScaleParameters(Kept()).name, "Unsaved");
    EXPECT_EQ(ReadScaleParameters(LeftForRecovery()).name, "Unsaved");
}

TEST_F(SessionEndTest, SessionCloseAsksFirstAndCancelKeepsTheRunGoing) {
    SessionEnd sessionEnd(*app_);
    prompts_.answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(sessionEnd.CommitData(true));
    EXPECT_EQ(prompts_.questions, 1);
    EXPECT_TRUE(app_->document().isModified());

    // Yes saves before the session goes on.
    prompts_.answers = {SaveAnswer::Yes};
    prompts_.saveName = dir_.filePath("kept.qrn").toStdString();
    EXPECT_TRUE(sessionEnd.CommitData(true));
    EXPECT_EQ(prompts_.questions, 2);
    EXPECT_EQ(ReadScaleParameters(Slurp(prompts_.saveName)).name, "Unsaved");
}

TEST_F(SessionEndTest, AfterTheAnswerTheSessionsQuitAsksNoMore) {
    SessionEnd sessionEnd(*app_);
    prompts_.answers = {SaveAnswer::No};
    EXPECT_TRUE(sessionEnd.CommitData(true));
    EXPECT_EQ(prompts_.questions, 1);
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(prompts_.questions, 1);
    app_->finish();
    EXPECT_EQ(ReadScaleParameters(Kept()).name, "Unsaved");
    // Answered no: the work is thrown away, as the user said.
    EXPECT_EQ(LeftForRecovery(), "");
}

TEST_F(SessionEndTest, WithoutInteractionNothingIsAsked) {
    SessionEnd sessionEnd(*app_);
    EXPECT_TRUE(sessionEnd.CommitData(false));
    EXPECT_EQ(prompts_.questions, 0);
    EXPECT_TRUE(app_->document().isModified());
    app_->finish();
    EXPECT_EQ(ReadScaleParameters(LeftForRecovery()).name, "Unsaved");
}

}  // namespace
}  // namespace quirn
