// The main window: the menu, the toolbar and the parameter panel fixed along the top, the view
// filling the rest. It has a fixed width and no status bar.
#pragma once

#include <QMainWindow>
#include <map>

#include "app/Commands.h"

class QAction;
class QToolBar;

namespace quirn {

class CQuirnDoc;
class CQuirnView;
class ParameterBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the bars and the view and hooks the caption to the document's title. The document
    // must outlive the frame.
    explicit CMainFrame(CQuirnDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a command, shared by its menu entry, toolbar button and keys. Commands whose
    // handlers do not exist yet (printing, page and printer setup, screen calibration, help,
    // about) are disabled: whoever provides a handler connects to triggered() and enables it.
    QAction* action(Command id) const;

    QToolBar* toolBar() const { return toolBar_; }
    ParameterBar& parameterBar() const { return *bar_; }
    CQuirnView& view() const { return *view_; }

    // The width of the client area: the panel's full width (1008 pixels at 96 dpi).
    int ClientWidth() const;
    // Restored size: fixed width, as tall as the screen's work area allows; centred on it.
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

    CQuirnDoc& doc_;
    ParameterBar* bar_ = nullptr;
    CQuirnView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<Command, QAction*> actions_;
};

}  // namespace quirn
