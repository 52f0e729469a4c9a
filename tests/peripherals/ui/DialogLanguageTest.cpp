// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak the program's language, and the file pickers are titled as its own.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <vector>

#include "app/Application.h"
#include "app/Language.h"
#include "app/QtDocumentPrompts.h"
#include "model/Document.h"
#include "peripherals/ui/ModalDriver.h"
#include "support/TestFiles.h"
#include "support/ViewHost.h"
#include "view/canvas/ScaleView.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

// What the user reads on a file picker.
struct PickerTexts {
    QString title;
    QString lookIn;
    QString fileName;
    QString cancel;
};

TEST(DialogLanguage, TheFilePickersSpeakRussian) {
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
    if (!QFile::exists(catalogue))
        GTEST_SKIP() << catalogue.toStdString() << " is missing: install qt6-translations-l10n";
    // As the program starts; taken out again so that no other test in this process sees it.
    struct Installed {
        QTranslator* translator = InstallQtTranslation(*qApp);
        ~Installed() {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    } installed;
    ASSERT_NE(installed.translator, nullptr);

    std::vector<PickerTexts> seen;
    const auto read = [&seen](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        PickerTexts texts{dialog->windowTitle(), {}, {}, {}};
        if (const auto* label = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel")))
            texts.lookIn = label->text();
        if (const auto* label = dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel")))
            texts.fileName = label->text();
        if (const auto* box = dialog->findChild<QDialogButtonBox*>())
            texts.cancel = box->button(QDialogButtonBox::Cancel)->text();
        seen.push_back(texts);
        testing::Later([dialog] { dialog->reject(); });
    };
    testing::ModalDriver driver;
    driver.then(read).then(read).then(read);

    QtDocumentPrompts prompts(nullptr);
    EXPECT_EQ(prompts.AskOpenFileName(), "");
    EXPECT_EQ(prompts.AskSaveFileName("scale.qrn"), "");
    Document doc;
    test::ViewHost host;
    ASSERT_TRUE(test::HostView(doc, host));
    host.bar->button(BarControl::TemplateButton)->click();
    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(driver.sawUnexpected());

    ASSERT_EQ(seen.size(), 3u);
    const char* const titles[] = {"Открыть", "Сохранить как", "Открыть"};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].title, QString::fromUtf8(titles[i])) << i;
        EXPECT_EQ(seen[i].lookIn, QStringLiteral("Перейти к:")) << i;
        EXPECT_EQ(seen[i].fileName, QStringLiteral("&Имя файла:")) << i;
        EXPECT_EQ(seen[i].cancel, QStringLiteral("Отмена")) << i;
    }
}

TEST(FileMessages, NoScaleFileRegressionAPictureIsRefusedWithAMessageBox) {
    const test::ScratchDirectory scratch{"quirn-not-a-scale"};
    const std::string picture = (scratch.path() / "photo.qrn").string();
    test::Put(picture, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    const QString said = QString::fromUtf8("Файл «%1» не является файлом шкалы")
                             .arg(QString::fromStdString(picture));
    testing::ModalDriver driver;
    testing::ModalDriver::Step accept = driver.AcceptMessage();
    driver.then(accept).then(accept);

    // Open and the recent files open through the document; the plate stays as it was.
    QtDocumentPrompts prompts(nullptr);
    Document doc(&prompts);
    EXPECT_EQ(doc.OpenDocumentFile(picture, kDefaultParameters), std::nullopt)
        << "nothing is taken from it";
    // The file given at the start: the program says so and does not start.
    QSettings settings((scratch.path() / "profile.ini").c_str(), QSettings::IniFormat);
    Application app(settings);
    EXPECT_FALSE(app.start(picture));

    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(driver.sawUnexpected());
    EXPECT_EQ(driver.messages(), QStringList({said, said}));
}

}  // namespace
}  // namespace quirn
