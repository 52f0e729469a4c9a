// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the menu, the toolbar and the parameter panel fixed along the top, the view
// filling the rest, and the scales window docked at the right when asked for. It starts at the
// panel's width and has no status bar.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "app/Commands.h"
#include "app/ExportCommand.h"
#include "view/dialogs/DialogPrompts.h"
#include "view/dialogs/FamilyNotices.h"

class QAction;
class QToolBar;

namespace quirn {

class ApplicationPrinter;
class Document;
class ScaleView;
class PanelFields;
class PanelReadouts;
class ParameterBar;
class PrintBinding;
class ScaleSession;
class ScalesWindow;
class ScreenSize;
class TemplateControls;

class DiskWatch;
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the bars and the view and hooks the caption to the document's title. The document
    // must outlive the frame.
    explicit MainWindow(Document& doc, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The action of a command, shared by its menu entry, toolbar button and keys.
    QAction* action(Command id) const;

    // Where the window's parts ask and tell the user: dialogs, unless replaced by prompts, which
    // must then outlive the window or be replaced again; nullptr restores the dialogs.
    void setPrompts(UserPrompts* prompts) { prompts_.setTarget(prompts ? *prompts : dialogs_); }

    // The printer that printing, page setup and the picture export use.
    ApplicationPrinter& printer() const { return *printer_; }
    // How many pages print preview shows side by side: as the user last left it, kept in the
    // profile's "PreviewPages" from one run to the next.
    int previewPages() const { return previewPages_; }
    void setPreviewPages(int pages) { previewPages_ = pages; }
    // The folder the export dialog proposes, the last one used; empty: the current folder.
    QString exportFolder() const { return exportMemory_.folder; }
    void setExportFolder(const QString& folder) { exportMemory_.folder = folder; }

    // Printer setup: the print dialog, used to choose the printer and its paper.
    void printSetup();
    // The export dialog, then the picture; the status bar says where it went.
    void exportPicture(ExportStart start);
    void printPreview();
    void showAbout();
    void showHelp();
    // "Шкалы...": the scales window docked at the right, the window widened so that the panel
    // keeps its width.
    void showScalesWindow();
    // "Калибровка принтера": the test page on the application's printer, then the lengths
    // measured on it; the corrections hold for that printer's pages from then on.
    void calibratePrinter();

    QToolBar* toolBar() const { return toolBar_; }
    ParameterBar& parameterBar() const { return *bar_; }
    // The scale being edited, its view, the panel's fields bound to them, printing, and the
    // screen's calibration.
    ScaleSession& session() const { return *session_; }
    ScaleView& view() const { return *view_; }
    PanelFields& panel() const { return *panel_; }
    ScalesWindow& scales() const { return *scales_; }
    PrintBinding& printing() const { return *printing_; }
    ScreenSize& screenSize() const { return *screenSize_; }
    // Files another program changes under the document.
    DiskWatch& diskWatch() const { return *diskWatch_; }

    // The width of the client area: the panel's full width.
    int ClientWidth() const;
    // Restored size: the panel's width, as tall as the screen's work area allows, centred on
    // it; the window may grow beyond that.
    void FitToScreen();

    // "Quirn - <document title>".
    void UpdateCaption();

  protected:
    // Asks the save question; cancel keeps the program running.
    void closeEvent(QCloseEvent* event) override;
    // No menu of toolbar toggles: the bars stay where they are.
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void CreateActions();
    void CreateMenu();
    void CreateToolBar();
    // Undo and redo follow the session's history: enabled when they can, naming the step.
    void ConnectHistory();
    // The recent files, numbered, above "В&ыход" each time the File menu opens.
    void ShowRecentFiles(QMenu& file);

    Document& doc_;
    DialogPrompts dialogs_;
    PromptsRelay prompts_;
    ParameterBar* bar_ = nullptr;
    ScaleSession* session_ = nullptr;
    ScaleView* view_ = nullptr;
    PanelFields* panel_ = nullptr;
    TemplateControls* templateControls_ = nullptr;
    PanelReadouts* readouts_ = nullptr;
    ScalesWindow* scales_ = nullptr;
    DiskWatch* diskWatch_ = nullptr;
    std::unique_ptr<PrintBinding> printing_;
    std::unique_ptr<ScreenSize> screenSize_;
    FamilyNotices families_;
    QToolBar* toolBar_ = nullptr;
    std::map<Command, QAction*> actions_;
    QAction* recentSeparator_ = nullptr;  // the one above "В&ыход"
    std::vector<QAction*> recentActions_;
    std::unique_ptr<ApplicationPrinter> printer_;
    int previewPages_ = 1;
    ExportMemory exportMemory_;
};

}  // namespace quirn
