// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "app/AutoSave.h"
#include "app/Icons.h"
#include "app/Language.h"
#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "app/Profile.h"
#include "app/QtDocumentPrompts.h"
#include "app/RecoveryOffer.h"
#include "app/SessionEnd.h"
#include "app/UserFiles.h"
#include "editing/ScaleSession.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/PrintBinding.h"

namespace quirn {

Application::Application(QSettings& settings, DocumentPrompts* prompts)
    : settings_(settings), externalPrompts_(prompts) {}

Application::~Application() {
    // Without finish nothing is kept: a run that never got going keeps nothing either.
    doc_.setPrompts(nullptr);
    autoSave_.reset();
    frame_.reset();
}

bool Application::start(const std::string& file) {
    const ProfileSettings profile = LoadProfile(settings_);
    doc_.recentFiles().setEntries(profile.recentFiles);
    language_ = profile.language;

    frame_ = std::make_unique<MainWindow>(doc_);
    frame_->setPreviewPages(profile.previewPages);
    frame_->setExportFolder(profile.exportFolder);
    frame_->printing().printerScales() = profile.printerScales;
    // The grid's command holds whether the grid is shown, from here to the end of the run.
    frame_->action(Command::Grid)->setChecked(profile.showGrid);
    if (auto* menu = frame_->findChild<LanguageMenu*>()) {
        menu->setChoice(language_);
        QObject::connect(menu, &LanguageMenu::chosen,
                         [this](LanguageChoice choice) { language_ = choice; });
    }
    if (externalPrompts_ == nullptr) prompts_ = std::make_unique<QtDocumentPrompts>(frame_.get());
    doc_.setPrompts(externalPrompts_ != nullptr ? externalPrompts_ : prompts_.get());

    doc_.setInitialParametersFile(InitialParametersLocation());
    ScaleSession& session = frame_->session();
    const bool ready = file.empty() ? session.files().New() : session.files().OpenFile(file);
    if (!ready) return false;
    frame_->FitToScreen();
    frame_->show();
    autoSave_ = std::make_unique<AutoSave>(session, doc_, RecoveryFolder());
    QObject::connect(autoSave_.get(), &AutoSave::failed, frame_.get(),
                     [frame = frame_.get()](const Outcome& failure) {
                         frame->statusBar()->showMessage(OutcomeText(failure));
                     });
    // A run whose questions are scripted is asked about recovery only when that is scripted too.
    if (externalRecovery_ != nullptr) {
        OfferRecovery(RecoveryFolder(), session, *autoSave_, *externalRecovery_);
    } else if (externalPrompts_ == nullptr) {
        recoveryDialogs_ = std::make_unique<RecoveryDialogs>(frame_.get());
        OfferRecovery(RecoveryFolder(), session, *autoSave_, *recoveryDialogs_);
    }
    return true;
}

void Application::finish() {
    if (!frame_) return;
    KeepInitialParameters();
    SaveProfile(settings_, {doc_.recentFiles().entries(), frame_->previewPages(), language_,
                            frame_->action(Command::Grid)->isChecked(), frame_->exportFolder(),
                            frame_->printing().printerScales()});
    doc_.setPrompts(nullptr);
    // Asked about the changes and answered, the copy kept for recovery is no longer wanted; a run
    // ended from outside has left it by now.
    autoSave_.reset();
    frame_.reset();
    prompts_.reset();
}

void Application::KeepUnsavedWork() {
    if (autoSave_) autoSave_->LeaveForNextRun();
}

bool Application::SaveModified() {
    return !frame_ || frame_->session().files().SaveModified();
}

void Application::KeepInitialParameters() {
    // A session that never showed a document holds no parameters worth keeping.
    const ScaleSession& session = frame_->session();
    if (!session.hasRecord()) return;
    // A failed write keeps the previous file; the user is told.
    const std::string& file = doc_.initialParametersFile();
    MakeFolderFor(QFile::decodeName(file.c_str()));
    const Fault error = WriteInitialParameters(session.scene().params, file);
    if (error == Fault::None) return;
    DocumentPrompts* prompts = externalPrompts_ != nullptr ? externalPrompts_ : prompts_.get();
    if (prompts != nullptr)
        prompts->ReportFailure(
            FileFailure(error, InitialParametersPath(file), FileOperation::Create));
}

int RunDesktop(int& argc, char** argv, const std::string& file) {
    QApplication application(argc, argv);
    // Qt adopts the environment's locale; number text never does.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(ProgramIcon());
    QSettings settings(kProfileOwner, kProfileOwner);
    InstallTranslations(application, LoadProfile(settings).language);

    Application app(settings);
    // Before the start-up, so that a signal during it waits for the event loop.
    SessionEnd sessionEnd(app);
    if (!app.start(file)) {
        // Every run ends the same way, a failed start too.
        app.finish();
        return 1;
    }
    // For a script or test that signals the program: once the event loop turns, a signal ends
    // the run as closing the window does. Said only when asked, so users never see it.
    if (qEnvironmentVariableIsSet("QUIRN_REPORT_READY"))
        QTimer::singleShot(0, [] { std::fputs("quirn: ready\n", stderr); });
    // The work kept at the end of the run is done as the event loop ends, however it is ended.
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&app] { app.finish(); });
    return QApplication::exec();
}

}  // namespace quirn
