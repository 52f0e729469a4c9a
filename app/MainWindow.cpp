// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AboutDialog.h"
#include "app/DiskWatch.h"
#include "app/ExportCommand.h"
#include "app/HelpDialog.h"
#include "app/Icons.h"
#include "app/LanguageMenu.h"
#include "app/ScanDocument.h"
#include "app/ScreenSize.h"
#include "editing/PlateEdits.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "peripherals/Printing.h"
#include "view/canvas/ScaleView.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/PrintBinding.h"
#include "view/dialogs/PrinterCalibrationDialog.h"
#include "view/panel/PanelFields.h"
#include "view/panel/PanelReadouts.h"
#include "view/panel/ParameterBar.h"
#include "view/scales/ScalesWindow.h"
#include "view/template/TemplateClicks.h"
#include "view/template/TemplateControls.h"

namespace quirn {
namespace {

// A text of the command table in the language in force.
QString CommandText(const char* text) {
    return QCoreApplication::translate("quirn::Commands", text);
}

// Kept free below the window so that its lower border stays on the screen.
constexpr int kBottomAllowance = 8;

}  // namespace

MainWindow::MainWindow(Document& doc, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      dialogs_(this),
      prompts_(dialogs_),
      printer_(std::make_unique<ApplicationPrinter>()) {
    setWindowIcon(ProgramIcon());
    CreateActions();
    CreateMenu();
    CreateToolBar();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    bar_ = new ParameterBar(central);
    session_ = new ScaleSession(doc_, this);
    view_ = new ScaleView(*session_, central);
    panel_ = new PanelFields(*bar_, *session_, prompts_, this);
    templateControls_ = new TemplateControls(*bar_, *session_, *view_, prompts_, this);
    readouts_ = new PanelReadouts(*bar_, *session_, *view_, this);
    connect(bar_->button(BarControl::ExportPicture), &QPushButton::clicked,
            actions_.at(Command::ExportPicture), &QAction::trigger);
    printing_ = std::make_unique<PrintBinding>(*session_, *view_, prompts_);
    printing_->setApplicationPrinter(printer_.get());
    screenSize_ =
        std::make_unique<ScreenSize>(*session_, *view_, prompts_, view_->ReportedScreenWidthMm());
    layout->addWidget(bar_);
    layout->addWidget(view_, 1);
    setCentralWidget(central);
    scales_ = new ScalesWindow(*session_, prompts_, this);
    diskWatch_ = new DiskWatch(*this, *session_, prompts_, this);
    addDockWidget(Qt::RightDockWidgetArea, scales_);
    scales_->hide();
    // A calibration is for the scale whose page the scales window shows.
    templateControls_->setCurrentScale(
        [this] { return std::max(1, scales_->pages()->currentIndex() + 1); });
    connect(&templateControls_->clicks(), &TemplateClicks::statusText, this,
            [this](const QString& text) {
                if (text.isEmpty())
                    statusBar()->clearMessage();
                else
                    statusBar()->showMessage(text);
            });

    // A document shown or changed may ask for a typeface the system lacks.
    const auto tellFamilies = [this] { families_.Tell(session_->scene().params, prompts_); };
    connect(&session_->record(), &EditedRecord::changed, this, tellFamilies);
    connect(&session_->files(), &DocumentCommands::titleChanged, this, [this] { UpdateCaption(); });
    connect(&session_->plateFiles(), &PlateFiles::notice, this,
            [this](const Outcome& fault) { prompts_.Inform(OutcomeText(fault)); });
    connect(&session_->files(), &DocumentCommands::modifiedChanged, this,
            [this] { setWindowModified(doc_.isModified()); });
    ConnectHistory();
    UpdateCaption();
    FitToScreen();
}

void MainWindow::ConnectHistory() {
    QUndoStack& history = session_->history();
    // The commands name the step they would undo or redo: "Отменить перемещение надписи".
    const auto follow = [](QAction* act, const QString& verb, const QString& step, bool can) {
        act->setEnabled(can);
        act->setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
        act->setToolTip(act->text().remove(QLatin1Char('&')));
    };
    QAction* undo = actions_.at(Command::Undo);
    QAction* redo = actions_.at(Command::Redo);
    const auto showUndo = [&history, undo, follow] {
        follow(undo, CommandText(InfoOf(Command::Undo).menuText), history.undoText(),
               history.canUndo());
    };
    const auto showRedo = [&history, redo, follow] {
        follow(redo, CommandText(InfoOf(Command::Redo).menuText), history.redoText(),
               history.canRedo());
    };
    // A push, merge, undo, redo or clear: each moves or rewrites the current step. Each action
    // is the context of its own connection, so whichever of the stack and the actions goes first
    // at the end, nothing reaches what is gone.
    connect(&history, &QUndoStack::indexChanged, undo, showUndo);
    connect(&history, &QUndoStack::indexChanged, redo, showRedo);
    showUndo();
    showRedo();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(Command id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::CreateActions() {
    for (const CommandInfo& info : CommandTable()) {
        auto* act = new QAction(CommandText(info.menuText), this);
        act->setObjectName(QString::fromLatin1(info.name));
        if (*info.shortcut != '\0')
            act->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        if (*info.tooltip != '\0') act->setToolTip(CommandText(info.tooltip));
        const QIcon icon = ToolbarIcon(info.id);
        if (!icon.isNull()) act->setIcon(icon);
        act->setIconVisibleInMenu(false);
        act->setEnabled(false);
        // Keys work whether or not the command has a menu entry.
        addAction(act);
        actions_[info.id] = act;
    }
    const auto handle = [this](Command id, auto handler) {
        QAction* act = actions_.at(id);
        act->setEnabled(true);
        connect(act, &QAction::triggered, this, handler);
    };
    // What the panel holds unapplied is settled first: applied, kept as typed, or the command
    // is cancelled.
    const auto settled = [this](auto command) {
        return [this, command] {
            if (panel_->ResolveUnappliedEdits()) command();
        };
    };
    handle(Command::New, settled([this] { session_->files().New(); }));
    handle(Command::FromScan, settled([this] { CreateFromScan(*session_, prompts_); }));
    handle(Command::Open, settled([this] { session_->files().Open(); }));
    handle(Command::Save, settled([this] { session_->files().Save(); }));
    handle(Command::SaveAs, settled([this] { session_->files().SaveAs(); }));
    handle(Command::Exit, [this] { close(); });
    // The view's commands reach it through the frame, which builds the view after the actions.
    handle(Command::Print, settled([this] { printing_->printScale(PrintDialogUse::Ask); }));
    handle(Command::PrintDirect, settled([this] { printing_->printScale(PrintDialogUse::Skip); }));
    handle(Command::PrintPreview, settled([this] { printPreview(); }));
    handle(Command::Undo, [this] { session_->history().undo(); });
    handle(Command::Redo, [this] { session_->history().redo(); });
    actions_.at(Command::Redo)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    handle(Command::ExportPicture, [this] { exportPicture(ExportStart::Bitmap); });
    handle(Command::Export, [this] { exportPicture(ExportStart::LastFormat); });
    handle(Command::PageSetup, [this] { printing_->pageSetup(); });
    handle(Command::RealScreenSize,
           [this] { screenSize_->calibrate(view_->ReportedScreenWidthMm()); });
    handle(Command::ScalesWindow, [this] { showScalesWindow(); });
    handle(Command::ForgetPlaces, [this] {
        const int forgotten = ForgetPlaces(session_->record());
        statusBar()->showMessage(
            forgotten == 0 ? tr("Надписи и символы и так стоят на местах по умолчанию.")
                           : tr("Надписи и символы возвращены на места по умолчанию (%1); "
                                "Ctrl+Z отменит.")
                                 .arg(forgotten));
    });
    handle(Command::PrintSetup, [this] { printSetup(); });
    handle(Command::About, [this] { showAbout(); });
    handle(Command::Help, [this] { showHelp(); });
    handle(Command::ZoomIn, [this] { view_->zoomStep(ZoomDirection::In); });
    handle(Command::ZoomOut, [this] { view_->zoomStep(ZoomDirection::Out); });
    handle(Command::ZoomFit, [this] { view_->fitToWindow(); });
    actions_.at(Command::ZoomIn)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    handle(Command::PrinterCalibration, [this] { calibratePrinter(); });
    handle(Command::LevelTemplate, [this] { templateControls_->startLevel(); });
    handle(Command::CalibrateFromTemplate, [this] { templateControls_->startCalibration(); });
    handle(Command::FindTicks, [this] { templateControls_->findTicks(); });
    QAction* hide = actions_.at(Command::HideDrawing);
    hide->setCheckable(true);
    hide->setEnabled(true);
    connect(hide, &QAction::toggled, this, [this](bool hidden) {
        session_->view().setDrawingShown(hidden ? DrawingShown::OutlineOnly : DrawingShown::Whole);
    });
    QAction* grid = actions_.at(Command::Grid);
    grid->setCheckable(true);
    grid->setEnabled(true);
    connect(grid, &QAction::toggled, this, [this](bool shown) { view_->setGridShown(shown); });
}

void MainWindow::exportPicture(ExportStart start) {
    const std::optional<QString> written =
        RunPictureExport(*session_, printer_.get(), prompts_, exportMemory_, start, this);
    if (written) {
        statusBar()->showMessage(tr("Рисунок записан: %1").arg(QDir::toNativeSeparators(*written)));
    }
}

void MainWindow::printSetup() {
    QPrinter* printer = printer_->printer();
    if (printer == nullptr) {
        // Printing says why nothing can be printed.
        printing_->printScale(PrintDialogUse::Skip);
        return;
    }
    QPrintDialog dialog(printer, this);
    dialog.setWindowTitle(tr("Параметры печати"));
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    // Choosing prints nothing: the button says so.
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(tr("ОК"));
    }
    dialog.exec();
    printer->setFullPage(true);
}

void MainWindow::calibratePrinter() {
    QPrinter* printer = printer_->printer();
    if (printer == nullptr) {
        // Printing says why nothing can be printed.
        printing_->printScale(PrintDialogUse::Skip);
        return;
    }
    CalibratePrinter(*printer, printing_->printerScales(), *this, prompts_);
}

void MainWindow::printPreview() {
    previewPages_ = printing_->printPreview(previewPages_);
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::showHelp() {
    HelpDialog help(this);
    help.exec();
}

void MainWindow::showScalesWindow() {
    if (!scales_->isVisible() && !scales_->isFloating()) {
        // Docked, the window grows by the scales window's width so that the panel stays whole;
        // where the screen has no room for both, the scales window floats over the view.
        const QRect work = screen() != nullptr ? screen()->availableGeometry() : geometry();
        const int frameWidth = std::max(0, frameGeometry().width() - geometry().width());
        const int wanted = ClientWidth() + scales_->sizeHint().width() +
                           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
        const bool fixed = isMaximized() || isFullScreen();
        if (wanted > (fixed ? width() : work.width() - frameWidth)) {
            scales_->setFloating(true);
            const QSize size(scales_->sizeHint().width(), height());
            scales_->setGeometry(QRect(geometry().topRight() - QPoint(size.width(), 0), size));
        } else if (width() < wanted) {
            resize(wanted, height());
            move(std::max(work.x(), std::min(x(), work.right() + 1 - wanted - frameWidth)), y());
        }
    }
    scales_->show();
    scales_->raise();
}

void MainWindow::CreateMenu() {
    QMenu* file = menuBar()->addMenu(tr("&Файл"));
    QAction* separator = nullptr;
    for (const Command id : FileMenuLayout()) {
        if (id == Command::Exit) recentSeparator_ = separator;
        if (id == Command::Separator)
            separator = file->addSeparator();
        else
            file->addAction(actions_.at(id));
    }
    connect(file, &QMenu::aboutToShow, this, [this, file] { ShowRecentFiles(*file); });
    QMenu* edit = menuBar()->addMenu(tr("&Правка"));
    edit->setObjectName(QStringLiteral("editMenu"));
    for (const Command id : EditMenuLayout()) {
        if (id == Command::Separator)
            edit->addSeparator();
        else
            edit->addAction(actions_.at(id));
    }
    QMenu* show = menuBar()->addMenu(tr("Вид"));
    show->setObjectName(QStringLiteral("viewMenu"));
    for (const Command id : ViewMenuLayout()) {
        if (id == Command::Separator)
            show->addSeparator();
        else
            show->addAction(actions_.at(id));
    }
    // A menu bar shows an action's icon instead of its caption, so the commands standing on the
    // bar get captions of their own that follow the command's action.
    for (const Command id : MenuBarCommands()) {
        QAction* command = actions_.at(id);
        QAction* item = menuBar()->addAction(command->text());
        item->setEnabled(command->isEnabled());
        connect(item, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::changed, item,
                [item, command] { item->setEnabled(command->isEnabled()); });
    }
    CreateLanguageMenu(menuBar(), prompts_);
}

void MainWindow::CreateToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(kButtonWidth, kButtonHeight));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const Command id : ToolbarLayout()) {
        if (id == Command::Separator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_.at(id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

int MainWindow::ClientWidth() const {
    return bar_->sizeHint().width();
}

void MainWindow::FitToScreen() {
    const QScreen* where = screen();
    const QRect work = where != nullptr ? where->availableGeometry() : QRect(0, 0, 1024, 768);
    // Before the window manager has framed the window its decorations are not known; the
    // title bar's height is the best guess then.
    int decoration = frameGeometry().height() - geometry().height();
    if (decoration <= 0) decoration = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int height =
        std::max(minimumSizeHint().height(), work.height() - kBottomAllowance - decoration);
    // The panel's width is the least the window takes; beyond it, and when maximised, the view
    // takes the room.
    setMinimumSize(ClientWidth(), minimumSizeHint().height());
    resize(ClientWidth(), height);
    const int frameWidth = std::max(0, frameGeometry().width() - geometry().width());
    move(work.x() + std::max(0, (work.width() - ClientWidth() - frameWidth) / 2), work.y());
}

void MainWindow::ShowRecentFiles(QMenu& file) {
    for (QAction* old : recentActions_) {
        file.removeAction(old);
        old->deleteLater();
    }
    recentActions_.clear();
    const std::vector<std::string>& entries = doc_.recentFiles().entries();
    if (!entries.empty()) recentActions_.push_back(file.insertSeparator(recentSeparator_));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string path = entries[i];
        // "1&0": the tenth's key is its last digit, as "&1" is the first's.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        auto* act = new QAction(
            number + QLatin1Char(' ') + QDir::toNativeSeparators(QString::fromStdString(path)),
            &file);
        act->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(act, &QAction::triggered, this, [this, path] {
            if (panel_->ResolveUnappliedEdits()) session_->files().OpenFile(path);
        });
        file.insertAction(recentSeparator_, act);
        recentActions_.push_back(act);
    }
}

void MainWindow::UpdateCaption() {
    // "[*]" is where the desktop's modified mark goes.
    setWindowTitle(QStringLiteral("Quirn - ") + QString::fromStdString(doc_.title()) +
                   QStringLiteral("[*]"));
    setWindowModified(doc_.isModified());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (panel_->ResolveUnappliedEdits() && session_->files().SaveModified())
        event->accept();
    else
        event->ignore();
}

}  // namespace quirn
