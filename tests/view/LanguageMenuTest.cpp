// SPDX-License-Identifier: GPL-3.0-or-later
// The "Язык / Language" menu of the main window: the choice is told in the chosen language, kept
// in the profile when the program ends and checked again at the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QSettings>
#include <memory>

#include "app/Application.h"
#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

class LanguageMenuTest : public ::testing::Test {
  protected:
    // Starts the program, picks choice in its menu and ends it; returns the notice shown.
    QString Pick(LanguageChoice choice, LanguageChoice expectedChecked) {
        Application app(settings_, &prompts_);
        EXPECT_TRUE(app.start({}));
        auto* menu = app.mainWindow()->findChild<LanguageMenu*>();
        if (menu == nullptr) {
            ADD_FAILURE() << "the main window has no language menu";
            return {};
        }
        EXPECT_EQ(menu->title(), QStringLiteral("Язык / Language"));
        EXPECT_TRUE(menu->item(expectedChecked)->isChecked());
        test::ScriptedPrompts said;
        app.mainWindow()->setPrompts(&said);
        menu->item(choice)->trigger();
        EXPECT_TRUE(menu->item(choice)->isChecked());
        app.mainWindow()->setPrompts(nullptr);
        app.finish();
        return said.notices.join(QLatin1Char('|'));
    }

    test::ScratchDirectory scratch_{"quirn-language", true};
    QSettings settings_{QString::fromStdString((scratch_ / "profile.ini").string()),
                        QSettings::IniFormat};
    test::ScriptedDocumentPrompts prompts_{SaveAnswer::No};
};

TEST_F(LanguageMenuTest, TheChoiceIsToldInItsLanguageAndKeptForTheNextStart) {
    EXPECT_EQ(Pick(LanguageChoice::English, LanguageChoice::System),
              QStringLiteral("The language will change the next time the program starts."));
    EXPECT_EQ(settings_.value("Settings/Language").toString(), QStringLiteral("en"));

    EXPECT_EQ(Pick(LanguageChoice::Russian, LanguageChoice::English),
              QStringLiteral("Язык сменится при следующем запуске программы."));
    EXPECT_EQ(settings_.value("Settings/Language").toString(), QStringLiteral("ru"));

    Pick(LanguageChoice::System, LanguageChoice::Russian);
    EXPECT_FALSE(settings_.contains("Settings/Language"));
}

}  // namespace
}  // namespace quirn
