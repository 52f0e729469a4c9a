// The language of the program's windows. Qt's own dialogs (files, printing, page setup,
// preview) take it from Qt's translation catalogues, which Debian ships in
// qt6-translations-l10n.
#pragma once

class QCoreApplication;
class QTranslator;

namespace quirn {

// Installs Qt's catalogue for the program's language, Russian whatever the desktop's, on
// application, which owns it. Nothing when the catalogue is not installed: Qt's dialogs then
// stay English.
QTranslator* InstallQtTranslation(QCoreApplication& application);

}  // namespace quirn
