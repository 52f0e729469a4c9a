// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "render/SymbolImages.h"

namespace quirn {

bool SpeaksEnglish(LanguageChoice choice, const QLocale& system) {
    switch (choice) {
        case LanguageChoice::Russian:
            return false;
        case LanguageChoice::English:
            return true;
        case LanguageChoice::System:
            break;
    }
    return system.language() == QLocale::English;
}

QString LanguageKey(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Russian:
            return QStringLiteral("ru");
        case LanguageChoice::English:
            return QStringLiteral("en");
        case LanguageChoice::System:
            break;
    }
    return {};
}

LanguageChoice LanguageFromKey(const QString& key) {
    if (key == QLatin1String("ru")) return LanguageChoice::Russian;
    if (key == QLatin1String("en")) return LanguageChoice::English;
    return LanguageChoice::System;
}

bool LoadEnglishTranslation(QTranslator& translator) {
    const QString path = FindDataFile(QStringLiteral("quirn_en.qm"));
    return !path.isEmpty() && translator.load(path);
}

bool InstallTranslations(QCoreApplication& application, LanguageChoice choice) {
    if (!SpeaksEnglish(choice, QLocale::system())) {
        InstallQtTranslation(application);
        return false;
    }
    // Qt's dialogs speak English by themselves: only the program's own texts need a catalogue.
    auto* translator = new QTranslator(&application);
    if (!LoadEnglishTranslation(*translator) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        InstallQtTranslation(application);
        return false;
    }
    return true;
}

QTranslator* InstallQtTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace quirn
