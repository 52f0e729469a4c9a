#include "app/CQuirnApp.h"

#include <QApplication>
#include <QSettings>
#include <clocale>

#include "app/CMainFrame.h"
#include "app/Icons.h"
#include "app/Language.h"
#include "app/Profile.h"
#include "app/QtDocumentPrompts.h"
#include "app/SessionEnd.h"
#include "view/CQuirnView.h"

namespace quirn {

CQuirnApp::CQuirnApp(QSettings& settings, DocumentPrompts* prompts)
    : settings_(settings), externalPrompts_(prompts) {}

CQuirnApp::~CQuirnApp() {
    ExitInstance();
}

bool CQuirnApp::InitInstance(const std::string& file) {
    const ProfileSettings profile = LoadProfile(settings_);
    doc_.recentFiles().setEntries(profile.recentFiles);
    previewPages_ = profile.previewPages;

    frame_ = std::make_unique<CMainFrame>(doc_);
    frame_->setPreviewPagesStore([this] { return previewPages_; },
                                 [this](int pages) { previewPages_ = pages; });
    if (externalPrompts_ == nullptr) prompts_ = std::make_unique<QtDocumentPrompts>(frame_.get());
    doc_.setPrompts(externalPrompts_ != nullptr ? externalPrompts_ : prompts_.get());
    // The view keeps its parameters while the frame is being taken down: the report cannot
    // lean on the frame any more.
    frame_->view().setInitialParametersFailureHandler([this](FileError error) {
        QtDocumentPrompts standalone(nullptr);
        DocumentPrompts& prompts = externalPrompts_ != nullptr ? *externalPrompts_ : standalone;
        prompts.ReportFileError(error, InitialParametersPath(), DocumentOperation::Create);
    });

    const bool ready = file.empty() ? doc_.OnFileNew() : doc_.OpenDocumentFile(file);
    if (!ready) return false;
    frame_->FitToScreen();
    frame_->show();
    return true;
}

void CQuirnApp::ExitInstance() {
    if (!frame_) return;
    SaveProfile(settings_, {doc_.recentFiles().entries(), previewPages_});
    doc_.setPrompts(nullptr);
    frame_.reset();
    prompts_.reset();
}

int RunDesktop(int& argc, char** argv, const std::string& file) {
    QApplication application(argc, argv);
    // Qt adopts the environment's locale; number text never does.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Quirn"));
    QCoreApplication::setApplicationName(QStringLiteral("Quirn"));
    QApplication::setWindowIcon(ProgramIcon());
    InstallQtTranslation(application);
    QSettings settings;

    CQuirnApp app(settings);
    // Before the start-up, so that a signal during it waits for the event loop.
    SessionEnd sessionEnd(app.document());
    if (!app.InitInstance(file)) return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}

}  // namespace quirn
