// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the program's texts. They are written in Russian, which the program speaks
// unless the user chose English or leaves the choice to an English desktop; English comes from
// quirn_en.qm, a data file found as the others are. Qt's own dialogs (files, printing, page
// setup, preview) speak Russian through Qt's catalogue, which Debian ships in
// qt6-translations-l10n, and English by themselves.
#pragma once

#include <QString>

class QCoreApplication;
class QLocale;
class QTranslator;

namespace quirn {

// What the user chose in the "Язык / Language" menu; System follows the desktop.
enum class LanguageChoice { System, Russian, English };

// English when chosen, or when the choice is the system's and the desktop speaks English.
bool SpeaksEnglish(LanguageChoice choice, const QLocale& system);

// The choice as the profile keeps it, "ru", "en" or "" for the system's; anything else read back
// is the system's.
QString LanguageKey(LanguageChoice choice);
LanguageChoice LanguageFromKey(const QString& key);

// The program's English translation, "quirn_en.qm"; false when it is missing or unreadable.
bool LoadEnglishTranslation(QTranslator& translator);

// Puts the language in force on application, which owns the translators: the program's English
// translation, or Qt's Russian catalogue. Returns whether English is in force; without its file
// the program stays Russian.
bool InstallTranslations(QCoreApplication& application, LanguageChoice choice);

// Installs Qt's catalogue for Russian on application, which owns it. Nothing when the catalogue is
// not installed: Qt's dialogs then stay English.
QTranslator* InstallQtTranslation(QCoreApplication& application);

}  // namespace quirn
