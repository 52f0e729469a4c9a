// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageMenu.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenuBar>
#include <QTranslator>

namespace quirn {
namespace {

const char* const kNoticeContext = "quirn::LanguageMenu";
const char* const kNotice =
    QT_TRANSLATE_NOOP("quirn::LanguageMenu", "Язык сменится при следующем запуске программы.");

}  // namespace

LanguageMenu::LanguageMenu(UserPrompts& prompts, QWidget* parent)
    : QMenu(QStringLiteral("Язык / Language"), parent), prompts_(prompts) {
    setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(this);
    const auto add = [this, group](const QString& text, LanguageChoice choice) {
        QAction* action = addAction(text);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { choose(choice); });
        return action;
    };
    system_ = add(tr("Как в системе"), LanguageChoice::System);
    addSeparator();
    // Each language under its own name, in no translation.
    russian_ = add(QStringLiteral("Русский"), LanguageChoice::Russian);
    english_ = add(QStringLiteral("English"), LanguageChoice::English);
    setChoice(LanguageChoice::System);
}

QAction* LanguageMenu::item(LanguageChoice choice) const {
    switch (choice) {
        case LanguageChoice::Russian:
            return russian_;
        case LanguageChoice::English:
            return english_;
        case LanguageChoice::System:
            break;
    }
    return system_;
}

void LanguageMenu::setChoice(LanguageChoice choice) {
    item(choice)->setChecked(true);
}

LanguageChoice LanguageMenu::choice() const {
    if (russian_->isChecked()) return LanguageChoice::Russian;
    if (english_->isChecked()) return LanguageChoice::English;
    return LanguageChoice::System;
}

void LanguageMenu::choose(LanguageChoice choice) {
    emit chosen(choice);
    prompts_.Inform(LanguageNoticeText(choice));
}

QString LanguageNoticeText(LanguageChoice choice) {
    // The texts in force speak the old language: the new one is read from its own file.
    if (SpeaksEnglish(choice, QLocale::system())) {
        QTranslator english;
        if (LoadEnglishTranslation(english)) {
            const QString text = english.translate(kNoticeContext, kNotice);
            if (!text.isEmpty()) return text;
        }
    }
    return QString::fromUtf8(kNotice);
}

LanguageMenu* CreateLanguageMenu(QMenuBar* bar, UserPrompts& prompts) {
    auto* menu = new LanguageMenu(prompts, bar);
    bar->addMenu(menu);
    return menu;
}

}  // namespace quirn
