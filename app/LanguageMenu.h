// SPDX-License-Identifier: GPL-3.0-or-later
// The "Язык / Language" menu: the language the program speaks from its next start. The menu's
// title and the languages' own names read the same in either language, so that a user who cannot
// read the one in force still finds them.
#pragma once

#include <QMenu>

#include "app/Language.h"
#include "view/dialogs/UserPrompts.h"

class QAction;
class QMenuBar;

namespace quirn {

class LanguageMenu : public QMenu {
    Q_OBJECT
  public:
    // The notice that a choice takes effect at the next start goes to prompts.
    LanguageMenu(UserPrompts& prompts, QWidget* parent = nullptr);

    // Checks the item of choice; nothing is told.
    void setChoice(LanguageChoice choice);
    LanguageChoice choice() const;
    QAction* item(LanguageChoice choice) const;

  signals:
    // The user picked choice, which takes effect at the next start.
    void chosen(LanguageChoice choice);

  private:
    void choose(LanguageChoice choice);

    QAction* system_ = nullptr;
    QAction* russian_ = nullptr;
    QAction* english_ = nullptr;
    UserPrompts& prompts_;
};

// "That takes effect at the next start", in the language choice stands for.
QString LanguageNoticeText(LanguageChoice choice);

// Adds the menu at the end of bar.
LanguageMenu* CreateLanguageMenu(QMenuBar* bar, UserPrompts& prompts);

}  // namespace quirn
