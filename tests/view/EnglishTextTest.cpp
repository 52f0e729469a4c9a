// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program in English: the main window, its scales window and its dialogs show no
// Russian but the language menu's own names, leave blank nothing that has a Russian caption, and
// the parameter panel's fixed fields hold their English captions.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>
#include <memory>

#include "app/AboutDialog.h"
#include "app/Application.h"
#include "app/HelpDialog.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/ScreenSize.h"
#include "model/ParameterText.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/TestFiles.h"
#include "view/panel/ParameterBar.h"
#include "view/template/CalibrationDialog.h"

namespace quirn {
namespace {

// One caption as the user reads it, and where.
struct Caption {
    QString where;
    QString text;
};

void Add(std::vector<Caption>& out, const QString& where, const QString& text) {
    out.push_back({where, text});
}

void CollectAction(const QAction* action, const QString& where, std::vector<Caption>& out) {
    if (action->isSeparator()) return;
    Add(out, where + QStringLiteral(" action text"), action->text());
    Add(out, where + QStringLiteral(" action tooltip"), action->toolTip());
    Add(out, where + QStringLiteral(" action status tip"), action->statusTip());
}

// Every caption on widget and its children, in the order they were made.
void Collect(const QWidget* widget, const QString& path, std::vector<Caption>& out) {
    const QString where =
        path + QLatin1Char('/') + QString::fromLatin1(widget->metaObject()->className());
    Add(out, where + QStringLiteral(" title"), widget->windowTitle());
    Add(out, where + QStringLiteral(" tooltip"), widget->toolTip());
    Add(out, where + QStringLiteral(" status tip"), widget->statusTip());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) Add(out, where, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        Add(out, where, button->text());
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) Add(out, where, box->title());
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) Add(out, where, menu->title());
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        Add(out, where + QStringLiteral(" placeholder"), edit->placeholderText());
        // What the user types is the document's; a read-only field is the program's readout.
        if (edit->isReadOnly()) Add(out, where, edit->text());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i) Add(out, where, combo->itemText(i));
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) Add(out, where, tabs->tabText(i));
    }
    if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
        for (int i = 0; i < table->columnCount(); ++i) {
            if (const QTableWidgetItem* item = table->horizontalHeaderItem(i))
                Add(out, where + QStringLiteral(" header"), item->text());
        }
    }
    for (const QAction* action : widget->actions()) CollectAction(action, where, out);
    // A bar's overflow button and its menu repeat what does not fit, which depends on the
    // captions' widths.
    const QToolButton* overflow = nullptr;
    for (const char* name : {"qt_menubar_ext_button", "qt_toolbar_ext_button"}) {
        if (!overflow)
            overflow =
                widget->findChild<QToolButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }
    for (const QObject* child : widget->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w == nullptr || (overflow != nullptr && (w == overflow || w == overflow->menu())))
            continue;
        Collect(w, where, out);
    }
}

bool HasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// Names that read the same in either language, so that either finds them.
bool InEveryLanguage(const QString& text) {
    return text == QStringLiteral("Язык / Language") || text == QStringLiteral("Русский");
}

// The program's English in force while it lives.
struct English {
    English() {
        installed = LoadEnglishTranslation(translator) && qApp->installTranslator(&translator);
    }
    ~English() { QCoreApplication::removeTranslator(&translator); }
    English(const English&) = delete;
    English& operator=(const English&) = delete;
    QTranslator translator;
    bool installed = false;
};

class EnglishTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A plate whose own texts are Latin, with a further scale and a zone, so that every
        // page of the scales window is there.
        ScaleParameters p = kDefaultParameters;
        p.name = "Voltmeter";
        p.unit = "V";
        FurtherScale further;
        further.set(&ScaleSetup::tickRadius, p.tickRadius - 800);
        p.ext.further.push_back(further);
        p.ext.zones.push_back({1, 0.0, 5.0, 0xFF0000});
        test::Put(scratch_ / "scale.qrn", WriteParameterText(p));
        settings_ = std::make_unique<QSettings>(
            QString::fromStdString((scratch_ / "profile.ini").string()), QSettings::IniFormat);
    }

    // The captions of the whole program as it starts with the translations in force.
    std::vector<Caption> Captions() {
        Application app(*settings_, &prompts_);
        EXPECT_TRUE(app.start("scale.qrn"));
        MainWindow& frame = *app.mainWindow();
        frame.showScalesWindow();
        std::vector<Caption> seen;
        Collect(&frame, {}, seen);
        {
            const AboutDialog about(&frame);
            Collect(&about, {}, seen);
            const HelpDialog help(&frame);
            Collect(&help, {}, seen);
        }
        Collect(&frame.screenSize().calibrationDialog(), {}, seen);
        app.finish();
        return seen;
    }

    // The panel's captions, and whether each fits its fixed place.
    std::vector<std::pair<QString, bool>> PanelCaptions() {
        Application app(*settings_, &prompts_);
        EXPECT_TRUE(app.start("scale.qrn"));
        std::vector<std::pair<QString, bool>> captions;
        for (const QWidget* w : app.mainWindow()->parameterBar().findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<const QLabel*>(w)) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                captions.emplace_back(label->text(), needed <= label->contentsRect().width());
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
                // A push button's sizeHint asks for a margin it can do without.
                const int needed = qobject_cast<const QPushButton*>(w) != nullptr
                                       ? button->fontMetrics().horizontalAdvance(button->text())
                                       : button->sizeHint().width();
                captions.emplace_back(button->text(), needed <= button->width());
            }
        }
        app.finish();
        return captions;
    }

    test::ScratchDirectory scratch_{"quirn-english", true};
    std::unique_ptr<QSettings> settings_;
    test::ScriptedDocumentPrompts prompts_{SaveAnswer::No};
};

TEST_F(EnglishTextTest, NoRussianIsLeftAndNothingIsBlank) {
    const std::vector<Caption> russian = Captions();
    std::vector<Caption> translated;
    {
        const English english;
        ASSERT_TRUE(english.installed) << "quirn_en.qm is not among the data files";
        translated = Captions();
    }

    ASSERT_EQ(translated.size(), russian.size()) << "the same widgets in either language";
    int checked = 0;
    QStringList russianLeft;
    QStringList blank;
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const Caption& en = translated[i];
        const Caption& ru = russian[i];
        ASSERT_EQ(en.where, ru.where);
        if (HasCyrillic(ru.text)) ++checked;
        if (HasCyrillic(en.text) && !InEveryLanguage(en.text))
            russianLeft << en.where + QStringLiteral(": \"") + en.text + QLatin1Char('"');
        if (en.text.isEmpty() && !ru.text.isEmpty())
            blank << en.where + QStringLiteral(": blank for \"") + ru.text + QLatin1Char('"');
    }
    EXPECT_TRUE(russianLeft.isEmpty()) << russianLeft.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(blank.isEmpty()) << blank.join(QLatin1Char('\n')).toStdString();
    // The walk reached the panel, the menus and the scales window's pages.
    EXPECT_GT(checked, 100);
}

TEST_F(EnglishTextTest, ThePanelsCaptionsFitTheirFields) {
    const auto russian = PanelCaptions();
    std::vector<std::pair<QString, bool>> translated;
    {
        const English english;
        ASSERT_TRUE(english.installed);
        translated = PanelCaptions();
    }

    ASSERT_EQ(translated.size(), russian.size());
    for (std::size_t i = 0; i < translated.size(); ++i) {
        if (!russian[i].second) continue;
        EXPECT_TRUE(translated[i].second)
            << "\"" << translated[i].first.toStdString() << "\" does not fit where \""
            << russian[i].first.toStdString() << "\" does";
    }
}

}  // namespace
}  // namespace quirn
