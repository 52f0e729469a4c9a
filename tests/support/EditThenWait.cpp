// SPDX-License-Identifier: GPL-3.0-or-later
// A run of the program that edits the document named by its first argument and waits to be
// killed, its profile in the second: says "kept" once its unsaved work is in the recovery folder.
#include <QApplication>
#include <QSettings>
#include <chrono>
#include <clocale>
#include <cstdio>

#include "app/Application.h"
#include "app/AutoSave.h"
#include "app/MainWindow.h"
#include "editing/EditedRecord.h"
#include "editing/ScaleSession.h"
#include "support/ScriptedDocumentPrompts.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QSettings settings(QString::fromLocal8Bit(argv[2]), QSettings::IniFormat);
    quirn::test::ScriptedDocumentPrompts prompts;
    quirn::Application app(settings, &prompts);
    if (!app.start(argv[1])) return 1;
    // No waiting for the user's delay: the copy is what the test is about.
    app.autoSave()->setDelay(std::chrono::milliseconds(0));
    QObject::connect(app.autoSave(), &quirn::AutoSave::written, [] {
        std::puts("kept");
        std::fflush(stdout);
    });
    app.mainWindow()->session().record().Edit(
        QStringLiteral("имя"), [](quirn::SceneEdits& s) { s.params.name = "KILLED"; });
    return QApplication::exec();
}
