// SPDX-License-Identifier: GPL-3.0-or-later
// The help window, the about box and the frame's peripheral commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/AboutDialog.h"
#include "app/HelpDialog.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/PlateDrawing.h"
#include "model/Document.h"
#include "peripherals/ui/ModalDriver.h"

namespace quirn {
namespace {

using testing::ModalDriver;

class InTemporaryDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(saved_); }
    void WriteReadMe(const QByteArray& bytes) const {
        QFile file(dir_.filePath(QStringLiteral("ReadMe.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
    QString saved_;
};

using HelpTextTest = InTemporaryDirectory;

TEST_F(HelpTextTest, Windows1251OrUtf8UpToTheFirstZeroByte) {
    // "Шкала" in Windows-1251, CR LF, then a zero byte and what must not be shown.
    WriteReadMe(QByteArray("\xD8\xEA\xE0\xEB\xE0\r\nline 2\r\n\0hidden", 23));
    EXPECT_EQ(LoadHelpText(), QStringLiteral("Шкала\nline 2\n"));
    // Valid UTF-8 is read as such: Windows-1251 has no Ω.
    WriteReadMe("1 k\xCE\xA9\r\n");
    EXPECT_EQ(LoadHelpText(), QStringLiteral("1 kΩ\n"));

    WriteReadMe({});
    EXPECT_EQ(LoadHelpText(), QString());
}

TEST_F(HelpTextTest, ALongFileIsShownWhole) {
    QByteArray text;
    for (int i = 0; i < 2000; ++i) text += "line " + QByteArray::number(i) + " of the help\r\n";
    ASSERT_GT(text.size(), 30000);
    WriteReadMe(text);
    const std::optional<QString> loaded = LoadHelpText();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->endsWith(QStringLiteral("line 1999 of the help\n")));
    EXPECT_EQ(loaded->size(), text.size() - 2000);  // one character less per CR LF
}

TEST(HelpWindow, ShowsTheTextReadOnly) {
    HelpDialog help(nullptr,
                    [] { return std::optional<QString>(QStringLiteral("Помощь\nстрока")); });
    ModalDriver driver;
    QString shown;
    bool readOnly = false;
    driver.then([&](QWidget* w) {
        ASSERT_EQ(w, &help);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Помощь"));
        shown = help.textBox()->toPlainText();
        readOnly = help.textBox()->isReadOnly();
        testing::Later([&help] { help.accept(); });
    });
    EXPECT_EQ(help.exec(), QDialog::Accepted);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(shown, QStringLiteral("Помощь\nстрока"));
    EXPECT_TRUE(readOnly);
}

TEST(HelpWindow, WithoutReadMeOnlyTheMessageIsShown) {
    HelpDialog help(nullptr, [] { return std::optional<QString>(); });
    ModalDriver driver;
    driver.then(driver.AcceptMessage());
    EXPECT_EQ(help.exec(), QDialog::Rejected);
    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(driver.sawUnexpected());  // the help window itself never appeared
    EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("Внимание!")});
    EXPECT_EQ(driver.messages(),
              QStringList{QStringLiteral("В папке с программой отсутствует файл ReadMe.txt")});
}

// The help of each language: its own text with no other language's letters, and the drawing of
// the plate's dimensions labelled with the panel's own captions.
TEST(HelpWindow, EachLanguageShowsItsOwnTextAndLabelledDrawing) {
    struct Case {
        bool english;
        const char* names;  // a name the text gives the scales window
    };
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (const Case& c : {Case{false, "«Шкалы»"}, Case{true, "\"Scales\""}}) {
        QTranslator english;
        if (c.english) {
            ASSERT_TRUE(LoadEnglishTranslation(english));
            ASSERT_TRUE(QCoreApplication::installTranslator(&english));
        }
        HelpDialog help;
        ModalDriver driver;
        QString text;
        driver.then([&](QWidget*) {
            text = help.textBox()->toPlainText();
            testing::Later([&help] { help.accept(); });
        });
        EXPECT_EQ(help.exec(), QDialog::Accepted) << c.english;
        QStringList seen = help.drawing()->labels();
        for (int i = 0; i < help.pages()->count(); ++i) seen << help.pages()->tabText(i);
        QCoreApplication::removeTranslator(&english);

        EXPECT_GT(text.size(), 5000) << c.english;
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.names))) << c.english;
        EXPECT_EQ(text.contains(cyrillic), !c.english);
        for (const QString& label : seen)
            EXPECT_EQ(label.contains(cyrillic), !c.english) << label.toStdString();
        if (c.english) continue;
        for (const char* caption :
             {"Ширина шкалы", "Высота шкалы", "Величина скоса по верхним углам",
              "Внешний радиус шкалы", "Внутренний радиус шкалы", "Межцентр. расстояние крепежа",
              "Расст. ось крепежа - ось стрелки", "Расст. ось крепежа - низ шкалы",
              "Радиус делений", "Половинный угол шкалы", "Длина больших делений",
              "Длина малых делений", "Ширина больших делений", "Ширина малых делений",
              "Дуга под/над делениями"})
            EXPECT_TRUE(seen.contains(QString::fromUtf8(caption))) << caption;
    }
}

TEST(AboutBox, TitleVersionDateAndOk) {
    // The version is the one --version gives.
    QProcess quirn;
    quirn.start(QStringLiteral(QUIRN_TEST_BINARY), {QStringLiteral("--version")});
    ASSERT_TRUE(quirn.waitForFinished(30000));
    const QString version =
        QString::fromUtf8(quirn.readAllStandardOutput()).trimmed().section(' ', 1);
    ASSERT_FALSE(version.isEmpty());

    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Quirn")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Версия ") + version))
        << texts.join('|').toStdString();
    static const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.20\\d\\d$"));
    EXPECT_EQ(texts.filter(date).size(), 1) << texts.join('|').toStdString();
    const QLabel* icon = about.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    const auto buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
}

using FrameCommandsTest = InTemporaryDirectory;

TEST_F(FrameCommandsTest, PeripheralCommandsAreOfferedAndHelpOpensTheReadMe) {
    Document doc;
    MainWindow frame(doc);
    doc.StartNew();
    for (Command id :
         {Command::Print, Command::PrintDirect, Command::PrintPreview, Command::PrintSetup,
          Command::PageSetup, Command::RealScreenSize, Command::About, Command::Help})
        EXPECT_TRUE(frame.action(id)->isEnabled()) << static_cast<int>(id);

    WriteReadMe("help text\r\n");
    ModalDriver driver;
    QString shown;
    driver.then([&](QWidget* w) {
        auto* help = qobject_cast<HelpDialog*>(w);
        ASSERT_NE(help, nullptr);
        shown = help->textBox()->toPlainText();
        testing::Later([help] { help->accept(); });
    });
    frame.action(Command::Help)->trigger();
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(shown, QStringLiteral("help text\n"));
}

TEST(HeadlessPrint, AnUnreadableFileFailsWithAMessage) {
    QProcess quirn;
    quirn.start(QStringLiteral(QUIRN_TEST_BINARY),
                {QStringLiteral("--print"), QStringLiteral("/nonexistent/scale.qrn")});
    ASSERT_TRUE(quirn.waitForFinished(30000));
    EXPECT_EQ(quirn.exitCode(), 1);
    const QString error = QString::fromUtf8(quirn.readAllStandardError());
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/scale.qrn"))) << error.toStdString();
}

}  // namespace
}  // namespace quirn
