// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>
#include <deque>
#include <filesystem>
#include <fstream>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/Profile.h"
#include "app/UserFiles.h"
#include "editing/PlateEdits.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"
#include "view/dialogs/PrintBinding.h"
#include "view/panel/PanelFields.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

using test::ScriptedDocumentPrompts;

using test::Slurp;

// The caption as the desktop shows it: Qt puts "*" where "[*]" stands while modified.
QString Caption(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         window.isWindowModified() ? QStringLiteral("*") : QString());
}

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions) texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
    return texts;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings_ = std::make_unique<QSettings>(
            QString::fromStdString((dir_ / "profile.ini").string()), QSettings::IniFormat);
    }
    void TearDown() override {
        app_.reset();
        settings_.reset();
    }
    MainWindow& Start(const std::string& file = {}) {
        app_ = std::make_unique<Application>(*settings_, &prompts_);
        EXPECT_TRUE(app_->start(file));
        return *app_->mainWindow();
    }
    // Apply a changed name through the panel, as the user would.
    void ApplyName(MainWindow& frame, const char* name) {
        frame.parameterBar().setText(BarControl::Name, QString::fromUtf8(name));
        frame.panel().applyParameters();
    }

    test::ScratchDirectory scratch_{"quirn-frame", true};
    const fs::path& dir_ = scratch_.path();
    std::unique_ptr<QSettings> settings_;
    ScriptedDocumentPrompts prompts_;
    std::unique_ptr<Application> app_;
};

TEST_F(MainWindowTest, MenusToolbarAndKeys) {
    MainWindow& frame = Start();
    EXPECT_EQ(Caption(frame), QStringLiteral("Quirn - M4200, 69x60, 15V"));

    QStringList bar = Texts(frame.menuBar()->actions());
    EXPECT_EQ(bar, QStringList({"&Файл", "&Правка", "Вид", "Реальный размер экрана", "Шкалы...",
                                "&О программе...", "Помощь", "Язык / Language"}));
    const QMenu* file = frame.menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(
        Texts(file->actions()),
        QStringList({"&Создать\tCtrl+N", "Создать по с&кану...", "&Открыть...\tCtrl+O",
                     "&Сохранить\tCtrl+S", "Сохранить &как...", "|", "&Экспорт...\tCtrl+E", "|",
                     "Пара&метры печати", "Пред&варительный просмотр", "&Печать...\tCtrl+P",
                     "Параметры страницы", "Калибровка принтера", "|", "В&ыход"}));

    QStringList tips;
    for (const QAction* a : frame.toolBar()->actions())
        tips << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
    EXPECT_EQ(tips, QStringList({"Открыть", "Сохранить", "|", "Отменить", "Повторить", "|",
                                 "Печать", "Предварительный просмотр печати", "|",
                                 "Задать реальный размер экрана по горизонтали", "Сетка", "|",
                                 "О программе"}));
    EXPECT_FALSE(frame.toolBar()->isMovable());

    EXPECT_EQ(frame.action(Command::New)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(frame.action(Command::Open)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(frame.action(Command::Save)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(frame.action(Command::Print)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(file->actions().front(), frame.action(Command::New));
    EXPECT_FALSE(frame.toolBar()->actions().contains(frame.action(Command::New)));

    for (Command id : {Command::New, Command::Open, Command::Save, Command::SaveAs, Command::Exit,
                       Command::Print, Command::PrintPreview, Command::PrintSetup,
                       Command::PageSetup, Command::RealScreenSize, Command::ScalesWindow,
                       Command::ForgetPlaces, Command::About, Command::Help})
        EXPECT_TRUE(frame.action(id)->isEnabled()) << static_cast<int>(id);

    // "Сбросить расположение" is an edit among the others, and tells what it did.
    const QMenu* edit = frame.menuBar()->actions()[1]->menu();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Texts(edit->actions()).mid(3),
              QStringList({"Выровнять шаблон", "Калибровка по шаблону", "Найти деления",
                           "Скрыть новую шкалу", "|", "Сбросить расположение"}));
    EXPECT_EQ(frame.action(Command::FindTicks)->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    frame.action(Command::ForgetPlaces)->trigger();
    EXPECT_EQ(frame.statusBar()->currentMessage(),
              QStringLiteral("Надписи и символы и так стоят на местах по умолчанию."));
    frame.session().record().Edit(QStringLiteral("перетаскивание"), [](SceneEdits& s) {
        s.params.ext.places[0] = Place{0, 1000};
        s.params.ext.places[2] = Place{500, 1000};
    });
    frame.action(Command::ForgetPlaces)->trigger();
    EXPECT_EQ(frame.statusBar()->currentMessage(),
              QStringLiteral("Надписи и символы возвращены на места по умолчанию (2); Ctrl+Z "
                             "отменит."));
    EXPECT_EQ(frame.session().record().params().ext.places[2], std::nullopt);
}

// The window was once fixed at the panel's size and could not be maximised: it starts at the
// panel's width now, and a larger window gives the view the room while the panel stays as it is.
TEST_F(MainWindowTest, StartsAtThePanelsWidthAndGivesTheViewAnyRoomBeyond) {
    MainWindow& frame = Start();
    const int width = frame.parameterBar().sizeHint().width();
    EXPECT_EQ(frame.ClientWidth(), width);
    EXPECT_EQ(frame.width(), width);
    EXPECT_EQ(frame.minimumWidth(), width);
    const int barHeight = frame.parameterBar().height();
    const QSize viewBefore = frame.view().size();
    frame.resize(width + 300, frame.height() + 200);
    QApplication::processEvents();
    EXPECT_EQ(frame.view().width(), viewBefore.width() + 300);
    EXPECT_EQ(frame.view().height(), viewBefore.height() + 200);
    EXPECT_EQ(frame.parameterBar().height(), barHeight);
    // Laid out in Russian, the panel fits a screen 1024 pixels wide, as it always has.
    if (frame.logicalDpiX() == 96) {
        EXPECT_LE(width, 1008);
    }
}

TEST_F(MainWindowTest, CtrlNAsksAndBringsBackTheInitialFile) {
    MainWindow& frame = Start();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

    ApplyName(frame, "A1");
    EXPECT_TRUE(app_->document().isModified());
    EXPECT_EQ(Caption(frame), QStringLiteral("Quirn - A1, 69x60, 15V*"));

    prompts_.saveAnswers = {SaveAnswer::Cancel};
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(prompts_.questions, std::vector<std::string>{"A1, 69x60, 15V"});
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "A1");

    // The last run's plate comes back, but not the template of its scan.
    ScaleParameters last = kDefaultParameters;
    last.ext.templateRecord = TemplateRecord{{-100, -200}, 9000, 1.5, 30, "old plate.png"};
    ASSERT_EQ(WriteFileAtomically(InitialParametersLocation(), WriteParameterText(last)),
              Fault::None);
    prompts_.saveAnswers = {SaveAnswer::No};
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompts_.questions.size(), 2u);
    EXPECT_EQ(app_->mainWindow()->session().scene().params, kDefaultParameters);
    EXPECT_EQ(frame.view().session().scene().params, kDefaultParameters) << "the view was updated";
    EXPECT_EQ(frame.parameterBar().text(BarControl::Name), QStringLiteral("M4200"));
    EXPECT_FALSE(app_->document().isModified());
}

// The first document of a run, opened with a template, keeps the template as its line says
// (regression: the width's arrows, given their range, stepped the template to 0.01 mm wide).
TEST_F(MainWindowTest, TemplateOfTheFirstDocumentRegressionKeepsItsWidth) {
    QImage scan(400, 300, QImage::Format_RGB32);
    scan.fill(Qt::gray);
    ASSERT_TRUE(scan.save(QString::fromStdString((dir_ / "scan.png").string())));
    ScaleParameters record = kDefaultParameters;
    record.ext.templateRecord = TemplateRecord{{-4000, -2000}, 8000, 3.0, 0, "scan.png"};
    const std::string path = (dir_ / "plate.qrn").string();
    ASSERT_EQ(WriteFileAtomically(path, WriteParameterText(record)), Fault::None);
    MainWindow& frame = Start(path);
    EXPECT_EQ(frame.session().record().params().ext.templateRecord, record.ext.templateRecord);
    EXPECT_EQ(frame.parameterBar().text(BarControl::TemplateWidth), QStringLiteral("80.00"));
    EXPECT_EQ(frame.session().history().count(), 0);
    EXPECT_FALSE(app_->document().isModified());
}

TEST_F(MainWindowTest, TheEditMenuNamesTheStepAndTheKeysUndoAndRedoIt) {
    MainWindow& frame = Start();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QAction* undo = frame.action(Command::Undo);
    QAction* redo = frame.action(Command::Redo);
    EXPECT_FALSE(undo->isEnabled());
    ApplyName(frame, "C3");
    EXPECT_EQ(undo->text(), QStringLiteral("&Отменить применение параметров"));
    EXPECT_EQ(Caption(frame), QStringLiteral("Quirn - C3, 69x60, 15V*"));

    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frame.parameterBar().text(BarControl::Name), QStringLiteral("M4200"));
    EXPECT_EQ(Caption(frame), QStringLiteral("Quirn - M4200, 69x60, 15V"));
    EXPECT_EQ(redo->text(), QStringLiteral("&Повторить применение параметров"));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(frame.parameterBar().text(BarControl::Name), QStringLiteral("C3"));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "C3");

    // Saving with a field typed but not applied asks first; cancelling saves nothing.
    frame.parameterBar().setText(BarControl::Name, QStringLiteral("D4"));
    int asked = 0;
    test::ScriptedPrompts scripted;
    scripted.applyAnswer = [&asked] {
        ++asked;
        return SaveAnswer::Cancel;
    };
    frame.setPrompts(&scripted);
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(prompts_.questions.empty());
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "C3");
    frame.setPrompts(nullptr);
}

TEST_F(MainWindowTest, CtrlZAfterEnterUndoesTheApplyNotTheFieldsText) {
    MainWindow& frame = Start();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QLineEdit* name = frame.parameterBar().edit(BarControl::Name);
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("C3"));
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(app_->mainWindow()->session().scene().params.name, "C3");
    ASSERT_TRUE(name->hasFocus());

    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "M4200")
        << "the document's step was undone";
    EXPECT_EQ(name->text(), QStringLiteral("M4200"));
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "C3");

    // Typing not yet applied is still the field's own to undo.
    QTest::keyClicks(name, QStringLiteral("x"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("C3"));
    EXPECT_EQ(app_->mainWindow()->session().scene().params.name, "C3");
}

TEST_F(MainWindowTest, ClosingAsksAndTheNextStartShowsTheAppliedParameters) {
    MainWindow& frame = Start();
    frame.show();
    ApplyName(frame, "B7");

    prompts_.saveAnswers = {SaveAnswer::Cancel};
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_FALSE(fs::exists(dir_ / kInitialParametersFile)) << "written only at the end";

    prompts_.saveAnswers = {SaveAnswer::No};
    EXPECT_TRUE(frame.close());
    app_->finish();
    ASSERT_TRUE(fs::exists(dir_ / kInitialParametersFile));
    EXPECT_EQ(ReadScaleParameters(Slurp(dir_ / kInitialParametersFile)).name, "B7");

    MainWindow& again = Start();
    EXPECT_EQ(Caption(again), QStringLiteral("Quirn - B7, 69x60, 15V"));
}

TEST_F(MainWindowTest, StartWithAFileThatCannotBeOpenedEndsAndKeepsInitialFile) {
    app_ = std::make_unique<Application>(*settings_, &prompts_);
    EXPECT_FALSE(app_->start("missing.qrn"));
    ASSERT_EQ(prompts_.reports.size(), 1u);
    EXPECT_EQ(prompts_.reports[0].error, Fault::FileNotFound);
    EXPECT_EQ(prompts_.reports[0].path, (dir_ / "missing.qrn").string());
    EXPECT_FALSE(app_->mainWindow()->isVisible());
    app_->finish();
    EXPECT_FALSE(fs::exists(dir_ / kInitialParametersFile))
        << "a view that never received a record writes nothing";
}

TEST_F(MainWindowTest, AnInitialFileThatCannotBeWrittenIsReportedAtTheEnd) {
    Start();
    fs::create_directory(dir_ / kInitialParametersFile);
    app_->finish();
    ASSERT_EQ(prompts_.reports.size(), 1u);
    EXPECT_EQ(prompts_.reports[0].path, InitialParametersPath());
    EXPECT_TRUE(fs::is_directory(dir_ / kInitialParametersFile));
}

// The View menu's keys step the zoom, and Ctrl+0 shows the whole of a 300 x 260 mm plate at the
// largest step it fits at.
TEST_F(MainWindowTest, ZoomKeysStepAndFitALargePlateInTheWindow) {
    MainWindow& frame = Start();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    const auto* menu = frame.findChild<QMenu*>(QStringLiteral("viewMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Texts(menu->actions()),
              QStringList({"Сетка", "|", "Увеличить", "Уменьшить", "По размеру окна"}));
    const auto readout = [&] { return frame.parameterBar().text(BarControl::ZoomReadout); };
    QTest::keyClick(&frame, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(readout(), QStringLiteral("Масштаб 200%"));
    QTest::keyClick(&frame, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(readout(), QStringLiteral("Масштаб 300%"));
    for (int i = 0; i < 5; ++i) QTest::keyClick(&frame, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(readout(), QStringLiteral("Масштаб 25%"));

    ScaleParameters big = kDefaultParameters;
    big.plateWidth = 30000;
    big.plateHeight = 26000;
    ApplyFields(frame.session().record(), big);
    frame.resize(1200, 1000);
    QApplication::processEvents();
    ScaleView& view = frame.view();
    // The plate's corners as the window shows them, in the view's client area.
    const auto plate = [&] {
        view.viewport()->repaint();
        const int below = big.mountingAboveBottom - big.mountingAboveAxis;
        const Point scroll{view.scrollPosition().x(), view.scrollPosition().y()};
        const CanvasGeometry g = view.Shown().geometry;
        const double ratio = view.viewport()->devicePixelRatioF();
        return QRectF(DrawingToView(g, {-15000, big.plateHeight - below}, scroll, ratio),
                      DrawingToView(g, {15000, -below}, scroll, ratio));
    };
    QTest::keyClick(&frame, Qt::Key_0, Qt::ControlModifier);
    const int fitted = view.session().scene().zoomPercent;
    EXPECT_EQ(readout(), QStringLiteral("Масштаб %1%").arg(fitted));
    EXPECT_GE(fitted, 50) << "a window of 1200 x 1000 holds the plate at half its size";
    const QRectF whole = plate();
    EXPECT_TRUE(QRectF(view.viewport()->rect()).contains(whole))
        << whole.left() << " " << whole.top() << " " << whole.right() << " " << whole.bottom();
    // One step more and it no longer fits.
    QTest::keyClick(&frame, Qt::Key_Plus, Qt::ControlModifier);
    const QRectF larger = plate();
    EXPECT_TRUE(larger.width() > view.viewport()->width() ||
                larger.height() > view.viewport()->height());
}

// A printer's corrections are kept under its name, whatever characters it holds, and read back by
// the next run; the rest of the profile stays as it was.
TEST_F(MainWindowTest, PrinterCorrectionsAreKeptByPrinterNameFromOneRunToTheNext) {
    settings_->setValue("Settings/PreviewPages", 2);
    const std::string name = "Laser/2 [Офис] = 1";
    const PrinterScale measured{CorrectionFor(99.4), CorrectionFor(100.5)};
    Start().printing().printerScales()[name] = measured;
    app_->finish();
    settings_->sync();
    EXPECT_EQ(settings_->value("Printer Calibration/1/Name").toString().toStdString(), name);
    // Written with "." whatever the locale, as many places as the factor needs.
    EXPECT_NEAR(settings_->value("Printer Calibration/1/Horizontal").toString().toDouble(), 1.00604,
                5e-6);
    EXPECT_NEAR(settings_->value("Printer Calibration/1/Vertical").toString().toDouble(), 0.99502,
                5e-6);
    EXPECT_EQ(settings_->value("Settings/PreviewPages").toInt(), 2);

    const PrinterScales read = Start().printing().printerScales();
    ASSERT_EQ(read.size(), 1U);
    EXPECT_NEAR(ScaleForPrinter(read, name).horizontal, measured.horizontal, 1e-9);
    EXPECT_NEAR(ScaleForPrinter(read, name).vertical, measured.vertical, 1e-9);
}

TEST_F(MainWindowTest, OpenedFilesReachTheProfile) {
    settings_->setValue("Recent File List/File1", "/old/one.qrn");
    settings_->setValue("Settings/PreviewPages", 2);
    {
        std::ofstream out(dir_ / "scale1.qrn", std::ios::binary);
        out << WriteParameterText(kDefaultParameters);
    }
    MainWindow& frame = Start("scale1.qrn");
    EXPECT_EQ(Caption(frame), QStringLiteral("Quirn - M4200, 69x60, 15V (scale1.qrn)"));
    // The File menu lists them above "В&ыход" when it opens.
    QMenu* file = frame.menuBar()->actions().front()->menu();
    emit file->aboutToShow();
    const QStringList items = Texts(file->actions());
    const QString newest =
        QStringLiteral("&1 ") + QString::fromStdString((dir_ / "scale1.qrn").string());
    EXPECT_EQ(items.mid(items.size() - 6),
              QStringList({"Калибровка принтера", "|", newest, "&2 /old/one.qrn", "|", "В&ыход"}));
    app_->finish();
    settings_->sync();
    EXPECT_EQ(settings_->value("Recent File List/File1").toString(),
              QString::fromStdString((dir_ / "scale1.qrn").string()));
    EXPECT_EQ(settings_->value("Recent File List/File2").toString(), "/old/one.qrn");
    EXPECT_FALSE(settings_->contains("Recent File List/File3"));
    EXPECT_EQ(settings_->value("Settings/PreviewPages").toInt(), 2);
    EXPECT_EQ(LoadProfile(*settings_),
              (ProfileSettings{{(dir_ / "scale1.qrn").string(), "/old/one.qrn"},
                               2,
                               LanguageChoice::System,
                               false,
                               {},
                               {}}));
}

// Ctrl+E proposes the saved file's name in the folder last used (kept in the profile) and the
// format last chosen; the status bar says where the picture went.
TEST_F(MainWindowTest, ExportProposesTheFileNameAndTheLastFolderAndSaysWhereItWent) {
    const fs::path pictures = dir_ / "pictures";
    fs::create_directory(pictures);
    settings_->setValue("Settings/ExportFolder", QString::fromStdString(pictures.string()));
    {
        std::ofstream out(dir_ / "scale1.qrn", std::ios::binary);
        out << WriteParameterText(kDefaultParameters);
    }
    MainWindow& frame = Start((dir_ / "scale1.qrn").string());
    test::ScriptedPrompts scripted;
    scripted.exportChoice = [](ExportChoice proposed) {
        proposed.format = ExportFormat::Svg;
        return std::optional(proposed);
    };
    frame.setPrompts(&scripted);
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    // Even from a panel field, which would take the key as "end of line".
    frame.parameterBar().edit(BarControl::Name)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(scripted.proposedExport.has_value());
    EXPECT_EQ(scripted.proposedExport->baseName, QStringLiteral("scale1"));
    EXPECT_EQ(scripted.proposedExport->folder.toStdString(), pictures.string());
    const QString written = QString::fromStdString((pictures / "scale1.svg").string());
    EXPECT_TRUE(QFileInfo(written).isFile());
    EXPECT_TRUE(frame.statusBar()->currentMessage().contains(written))
        << frame.statusBar()->currentMessage().toStdString();
    // The next export proposes the format last chosen.
    scripted.exportChoice = [](const ExportChoice&) { return std::optional<ExportChoice>(); };
    QTest::keyClick(&frame, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(scripted.proposedExport->format, ExportFormat::Svg);
    frame.setPrompts(nullptr);
}

// A typeface the system lacks is told once a run, naming it and the face drawn instead, however
// often the record that asks for it is shown or applied.
TEST_F(MainWindowTest, MissingTypefaceIsToldOnceNamingBothFamilies) {
    MainWindow& frame = Start();
    test::ScriptedPrompts scripted;
    frame.setPrompts(&scripted);
    ScaleParameters p = kDefaultParameters;
    p.ext.typefaces[TextRole::Name] = {"No Such Face Anywhere", FontWeight::AsDefault,
                                       FontSlant::Italic, 120};
    frame.session().Show(p);
    p.name = "B2";
    ApplyFields(frame.session().record(), p);
    frame.session().Show(p);
    ASSERT_EQ(scripted.notices.size(), 1);
    const QString used = QFontInfo(QFont(QStringLiteral("No Such Face Anywhere"))).family();
    EXPECT_EQ(scripted.notices[0], QStringLiteral("Шрифт «No Such Face Anywhere» не найден, "
                                                  "вместо него используется «%1».")
                                       .arg(used));
    frame.setPrompts(nullptr);
}

}  // namespace
}  // namespace quirn
