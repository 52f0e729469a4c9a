// SPDX-License-Identifier: GPL-3.0-or-later
// Started in the home folder, the program keeps Initial.qrn in the user's state folder and
// Screen.ini in the user's configuration folder, unless the home folder holds its own.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "app/Application.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/UserFiles.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/ParameterText.h"
#include "peripherals/ui/ModalDriver.h"
#include "support/TestFiles.h"
#include "view/canvas/ScaleView.h"
#include "view/dialogs/OutcomeText.h"
#include "view/panel/PanelFields.h"
#include "view/panel/ParameterBar.h"
#include "view/template/CalibrationDialog.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

using test::Put;
using test::Slurp;

struct NoPrompts : DocumentPrompts {
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::No; }
    std::string AskOpenFileName() override { return {}; }
    std::string AskSaveFileName(const std::string&) override { return {}; }
    void ReportFailure(const Outcome& failure) override {
        ADD_FAILURE() << "reported " << OutcomeMessage(failure);
    }
};

// An environment variable set for the test and put back after it.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), was_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedVariable() {
        if (was_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool was_;
    QByteArray old_;
};

// The program as the desktop menu starts it: named, in a home folder of its own that is also
// the current folder, with no XDG folders set.
class UserFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { NameTheProgram(); }
    void TearDown() override {
        app_.reset();
        QCoreApplication::setApplicationName(appName_);
    }
    MainWindow& Start() {
        app_ = std::make_unique<Application>(settings_, &prompts_);
        EXPECT_TRUE(app_->start({}));
        return *app_->mainWindow();
    }
    void ApplyName(MainWindow& frame, const char* name) {
        frame.parameterBar().setText(BarControl::Name, QString::fromUtf8(name));
        frame.panel().applyParameters();
    }
    std::string Name(const fs::path& file) const { return ReadScaleParameters(Slurp(file)).name; }

    const QString appName_ = QCoreApplication::applicationName();
    test::ScratchDirectory home_{"quirn-home", true};
    ScopedVariable homeVariable_{"HOME", QFile::encodeName(QString::fromStdString(home_.path()))};
    ScopedVariable state_{"XDG_STATE_HOME", QByteArray()};
    ScopedVariable config_{"XDG_CONFIG_HOME", QByteArray()};
    QTemporaryDir profileDir_;
    QSettings settings_{profileDir_.filePath("profile.ini"), QSettings::IniFormat};
    NoPrompts prompts_;
    std::unique_ptr<Application> app_;
};

TEST_F(UserFilesTest, TheHomeFolderStaysCleanAndTheNextStartFindsBothFiles) {
    MainWindow& frame = Start();
    ApplyName(frame, "Kept");
    const int reported = frame.view().ReportedScreenWidthMm();
    testing::ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* dialog = qobject_cast<CalibrationDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setText(QString::number(2 * reported));
        testing::ClickLater(dialog->okButton());
    });
    frame.action(Command::RealScreenSize)->trigger();
    ASSERT_TRUE(driver.finished());
    app_->finish();

    EXPECT_EQ(Name(home_ / ".local/state/quirn/Initial.qrn"), "Kept");
    EXPECT_EQ(Slurp(home_ / ".config/quirn/Screen.ini"),
              "Lscr\t= " + std::to_string(2 * reported) + "\r\nKsrn\t= 2.000000000000000\r\n");
    EXPECT_FALSE(fs::exists(home_ / "Initial.qrn"));
    EXPECT_FALSE(fs::exists(home_ / "Screen.ini"));

    MainWindow& again = Start();
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "Kept");
    EXPECT_EQ(again.session().scene().displayCorrection, 2.0);
}

TEST_F(UserFilesTest, FilesTheHomeFolderHoldsAreUsedThere) {
    Put(home_ / "Initial.qrn", "name\t= Home\r\n");
    Put(home_ / "Screen.ini", "Lscr\t= 345\r\nKsrn\t= 1.250000000000000\r\n");
    MainWindow& frame = Start();
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "Home");
    EXPECT_EQ(frame.session().scene().displayCorrection, 1.25);
    ApplyName(frame, "Changed");
    app_->finish();

    EXPECT_EQ(Name(home_ / "Initial.qrn"), "Changed");
    EXPECT_FALSE(fs::exists(home_ / ".local"));
}

TEST_F(UserFilesTest, TheExportsNewDocumentComesFromTheStateFolderToo) {
    const fs::path state = home_ / "state";
    fs::create_directories(state / "quirn");
    Put(state / "quirn/Initial.qrn",
        "Lshk\t= 4800\r\nHshk\t= 3000\r\nRdel\t= 2000\r\nNm\t= 2\r\nrange\t= 1\r\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", QString::fromStdString(state.string()));
    QProcess quirn;
    quirn.setProcessEnvironment(environment);
    quirn.setWorkingDirectory(QString::fromStdString(home_.path().string()));
    quirn.start(QUIRN_TEST_BINARY, {"--export", "new.png", "--dpi", "600"});
    ASSERT_TRUE(quirn.waitForFinished(60000));
    ASSERT_EQ(quirn.exitCode(), 0) << quirn.readAllStandardError().constData();
    // 50.00 mm of canvas at 600 dpi, as Initial.qrn says, not the default plate.
    EXPECT_EQ(QImage(QString::fromStdString((home_ / "new.png").string())).width(), 1182);
}

}  // namespace
}  // namespace quirn
