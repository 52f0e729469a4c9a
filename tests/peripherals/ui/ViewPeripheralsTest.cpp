// SPDX-License-Identifier: GPL-3.0-or-later
// The view's peripherals on real widgets: the screen calibration, the template controls and the
// picture export button.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cstdlib>
#include <memory>

#include "app/ScreenSize.h"
#include "model/Document.h"
#include "peripherals/ScreenCalibration.h"
#include "peripherals/ui/ModalDriver.h"
#include "support/ViewHost.h"
#include "view/canvas/ScaleView.h"
#include "view/dialogs/ExportDialog.h"
#include "view/dialogs/PrintBinding.h"
#include "view/panel/ParameterBar.h"
#include "view/template/CalibrationDialog.h"

namespace quirn {
namespace {

using C = BarControl;
using testing::Later;
using testing::ModalDriver;

QByteArray Slurp(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ViewPeripheralsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override {
        printing_.reset();
        screen_.reset();
        host_.reset();
        QDir::setCurrent(saved_);
    }

    // The view is made only now, so that a Screen.ini written first is read at its creation.
    ScaleView& Open() {
        test::ViewHost host;
        EXPECT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        bar_ = host.bar;
        view_ = host.view;
        panel_ = host.panel;
        printing_ = host.printing;
        prompts_ = host.prompts;
        screen_ = std::make_unique<ScreenSize>(*host.session, *view_, *prompts_,
                                               view_->ReportedScreenWidthMm());
        view_->session().Show(doc_.StartNew());
        return *view_;
    }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void WriteFile(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A folder where the file should go: no one, not even root, can write the file there.
    void BlockWith(const QString& path) const { ASSERT_TRUE(QDir().mkpath(path)); }

    QTemporaryDir dir_;
    QString saved_;
    Document doc_;
    std::unique_ptr<QWidget> host_;
    ParameterBar* bar_ = nullptr;
    ScaleView* view_ = nullptr;
    PanelFields* panel_ = nullptr;
    std::shared_ptr<test::ScriptedPrompts> prompts_;  // the panel's, printing's and the screen's
    std::shared_ptr<PrintBinding> printing_;          // with no printer of the application's
    std::unique_ptr<ScreenSize> screen_;
};

TEST_F(ViewPeripheralsTest, CalibrationIsReadAtCreationAsStored) {
    // Edited by hand: displayCorrection is not realWidthMm over the reported width, and is used as
    // it stands.
    WriteFile("Screen.ini", "Lscr\t= 345\r\nKsrn\t= 1.250000000000000\r\n");
    ScaleView& view = Open();
    EXPECT_EQ(screen_->calibration(), (ScreenCalibration{345, 1.25}));
    EXPECT_EQ(view.session().scene().displayCorrection, 1.25);
}

TEST_F(ViewPeripheralsTest, FirstCalibrationOffersTheReportedWidthAndIsStored) {
    ScaleView& view = Open();
    const int reported = view.ReportedScreenWidthMm();
    ASSERT_GT(reported, 0);
    EXPECT_EQ(screen_->calibration(), (ScreenCalibration{reported, 1.0}));
    const int zoomBefore = view.session().scene().zoomPercent;

    ModalDriver driver;
    QString offered;
    driver
        .then([&](QWidget* w) {
            auto* dialog = qobject_cast<CalibrationDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            offered = dialog->text();
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Реальный размер экрана"));
            dialog->setText(QStringLiteral("abc"));
            testing::ClickLater(dialog->okButton());
        })
        .then(driver.AcceptMessage())
        .then([&](QWidget* w) {
            // Still open after the refusal: the width is typed again.
            auto* dialog = qobject_cast<CalibrationDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->setText(QString::number(2 * reported) + QStringLiteral(" мм"));
            testing::ClickLater(dialog->okButton());
        });
    screen_->calibrate(view.ReportedScreenWidthMm());

    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(driver.sawUnexpected());
    EXPECT_EQ(offered, QString::number(reported));
    ASSERT_EQ(driver.captions(), QStringList{QStringLiteral("Внимание!")});
    EXPECT_EQ(screen_->calibration(), (ScreenCalibration{2 * reported, 2.0}));
    EXPECT_EQ(view.session().scene().displayCorrection, 2.0);
    EXPECT_EQ(view.session().scene().zoomPercent, zoomBefore);
    EXPECT_EQ(Slurp(Path("Screen.ini")),
              "Lscr\t= " + QByteArray::number(2 * reported) + "\r\nKsrn\t= 2.000000000000000\r\n");
    EXPECT_TRUE(prompts_->warnings.isEmpty());
}

TEST_F(ViewPeripheralsTest, CancelledCalibrationChangesNothing) {
    ScaleView& view = Open();
    const ScreenCalibration before = screen_->calibration();
    ModalDriver driver;
    driver.then([](QWidget* w) {
        auto* dialog = qobject_cast<CalibrationDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setText(QStringLiteral("500"));
        testing::ClickLater(dialog->cancelButton());
    });
    screen_->calibrate(view.ReportedScreenWidthMm());
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(screen_->calibration(), before);
    EXPECT_FALSE(QFile::exists(Path("Screen.ini")));
}

TEST_F(ViewPeripheralsTest, AnUnwritableScreenIniIsReportedAndTheNewScaleHolds) {
    ScaleView& view = Open();
    BlockWith(Path("Screen.ini"));
    const int reported = view.ReportedScreenWidthMm();
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* dialog = qobject_cast<CalibrationDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setText(QString::number(2 * reported));
        testing::ClickLater(dialog->okButton());
    });
    screen_->calibrate(view.ReportedScreenWidthMm());
    EXPECT_EQ(screen_->calibration().realWidthMm, 2 * reported);
    EXPECT_EQ(view.session().scene().displayCorrection, 2.0);
    ASSERT_EQ(prompts_->warnings.size(), 1);
    EXPECT_TRUE(prompts_->warnings[0].contains(Path("Screen.ini")))
        << prompts_->warnings[0].toStdString();
}

TEST_F(ViewPeripheralsTest, TemplateButtonLoadsAndRemovesThePicture) {
    ScaleView& view = Open();
    QImage scan(400, 300, QImage::Format_RGB32);
    scan.fill(Qt::gray);
    ASSERT_TRUE(scan.save(Path("scan.bmp")));
    WriteFile("notes.bmp", "no picture");
    QString chosen;
    prompts_->templateFile = [&chosen] { return chosen; };
    QPushButton* button = bar_->button(C::TemplateButton);

    // Cancelled dialog, then a file that is no picture: nothing changes.
    button->click();
    chosen = Path("notes.bmp");
    button->click();
    EXPECT_FALSE(view.session().scene().params.ext.templateRecord);
    EXPECT_EQ(button->text(), QStringLiteral("Загрузить шаблон"));
    ASSERT_EQ(prompts_->warnings.size(), 1);
    EXPECT_TRUE(prompts_->warnings[0].contains(chosen));

    chosen = Path("scan.bmp");
    button->click();
    ASSERT_TRUE(view.session().scene().params.ext.templateRecord);
    EXPECT_EQ(view.session().scene().templatePicture.image.size(), QSize(400, 300));
    EXPECT_EQ(button->text(), QStringLiteral("Удалить шаблон"));
    // 82.00 mm wide: the picture covers 82.00 x 61.50 mm.
    bar_->setText(C::TemplateWidth, QStringLiteral("82"));
    view.viewport()->repaint();
    ASSERT_TRUE(view.Shown().laid.templatePlace);
    EXPECT_EQ(view.Shown().laid.templatePlace->size, (Extent{8200, 6150}));

    button->click();
    EXPECT_FALSE(view.session().scene().params.ext.templateRecord);
    EXPECT_TRUE(view.session().scene().templatePicture.image.isNull());
    EXPECT_EQ(button->text(), QStringLiteral("Загрузить шаблон"));
    EXPECT_EQ(prompts_->warnings.size(), 1);
}

TEST_F(ViewPeripheralsTest, TemplateFieldsAndSpinners) {
    ScaleView& view = Open();
    QImage scan(400, 300, QImage::Format_RGB32);
    scan.fill(Qt::gray);
    ASSERT_TRUE(scan.save(Path("scan.bmp")));
    ASSERT_TRUE(view.session().templates().Load(Path("scan.bmp")).ok());
    const auto templ = [&view] { return *view.session().scene().params.ext.templateRecord; };
    QSpinBox* width = bar_->spinner(C::TemplateWidthSpinner);
    const int spinnerBefore = width->value();
    ASSERT_EQ(spinnerBefore, 7100);  // the default: plateWidth + 2 mm

    // What is typed is what the arrows step from, and undo brings field and arrows back
    // together (regression: the arrows stepped from the value before the typing, and the
    // template snapped back).
    struct Step {
        const char* typed;  // null: the up arrow
        int width;
        const char* shown;
    };
    for (const Step& s : {Step{"12,5", 1250, "12,5"}, Step{nullptr, 1251, "12.51"},
                          Step{"80", 8000, "80"}, Step{nullptr, 8001, "80.01"},
                          Step{"160.3", 16030, "160.3"}, Step{nullptr, 16031, "160.31"}}) {
        if (s.typed)
            bar_->setText(C::TemplateWidth, QString::fromUtf8(s.typed));
        else
            width->stepUp();
        EXPECT_EQ(templ().width, s.width) << s.shown;
        EXPECT_EQ(width->value(), s.width) << s.shown;
        EXPECT_EQ(bar_->text(C::TemplateWidth), QString::fromUtf8(s.shown));
    }
    // Typed and stepped widths merge into one step.
    view.session().history().undo();
    EXPECT_EQ(templ().width, spinnerBefore);
    EXPECT_EQ(width->value(), spinnerBefore);
    EXPECT_EQ(bar_->text(C::TemplateWidth), QStringLiteral("71.00"));

    // A step to 29 writes 0.29, which is read back as 29, not 28.
    width->setValue(30);
    width->stepDown();
    EXPECT_EQ(bar_->text(C::TemplateWidth), QStringLiteral("0.29"));
    EXPECT_EQ(templ().width, 29);

    QSpinBox* y = bar_->spinner(C::TemplateYSpinner);
    y->setValue(-1601);
    EXPECT_EQ(bar_->text(C::TemplateY), QStringLiteral("-16.01"));
    EXPECT_EQ(templ().corner.y, -1601);
    bar_->setText(C::TemplateX, QStringLiteral("-35.5"));
    EXPECT_EQ(templ().corner.x, -3550);
}

// The panel's button opens the export dialog with the bitmap proposed under the description's
// name in the current folder; each format writes its file; a file that exists is replaced only
// when the user says so; a failure names the file.
TEST_F(ViewPeripheralsTest, ExportAsksWhereWritesEachFormatAndReplacesOnlyWhenTold) {
    ScaleView& view = Open();
    const CanvasGeometry screen = view.Shown().geometry;
    std::optional<ExportChoice> answer;
    prompts_->exportChoice = [&answer](const ExportChoice&) { return answer; };
    QStringList askedToReplace;
    bool replace = false;
    prompts_->replace = [&](const QString& path) {
        askedToReplace.append(path);
        return replace;
    };

    bar_->button(C::ExportPicture)->click();
    ASSERT_TRUE(prompts_->proposedExport.has_value());
    const ExportChoice proposed = *prompts_->proposedExport;
    EXPECT_EQ(proposed.format, ExportFormat::Bmp);
    EXPECT_EQ(proposed.baseName.toStdString(), doc_.description());
    EXPECT_EQ(QFileInfo(proposed.folder), QFileInfo(dir_.path()));
    EXPECT_GT(proposed.options.dpi, 0);
    EXPECT_TRUE(QDir(dir_.path()).isEmpty()) << "cancelled, yet written";

    const struct {
        ExportFormat format;
        const char* file;
        QByteArray start;
    } formats[] = {{ExportFormat::Bmp, "plate.bmp", "BM"},
                   {ExportFormat::Png, "plate.png", "\x89PNG"},
                   {ExportFormat::Svg, "plate.svg", "<?xml"},
                   {ExportFormat::Pdf, "plate.pdf", "%PDF"}};
    for (const auto& row : formats) {
        answer = proposed;
        answer->format = row.format;
        answer->baseName = QStringLiteral("plate");
        answer->options.dpi = 150;
        bar_->button(C::ExportPicture)->click();
        EXPECT_TRUE(Slurp(Path(row.file)).startsWith(row.start)) << row.file;
    }
    EXPECT_TRUE(askedToReplace.isEmpty());
    EXPECT_TRUE(prompts_->warnings.isEmpty())
        << prompts_->warnings.join(QLatin1Char('\n')).toStdString();
    // The screen's canvas is left as it was for the mouse.
    EXPECT_EQ(view.Shown().geometry, screen);

    // The PDF exists now: kept when the user says no, replaced when yes.
    WriteFile("plate.pdf", "kept");
    bar_->button(C::ExportPicture)->click();
    EXPECT_EQ(askedToReplace, QStringList{Path("plate.pdf")});
    EXPECT_EQ(Slurp(Path("plate.pdf")), QByteArray("kept"));
    replace = true;
    bar_->button(C::ExportPicture)->click();
    EXPECT_TRUE(Slurp(Path("plate.pdf")).startsWith("%PDF"));

    answer->baseName = QStringLiteral("blocked");
    BlockWith(Path("blocked.pdf"));
    bar_->button(C::ExportPicture)->click();
    ASSERT_EQ(prompts_->warnings.size(), 1);
    EXPECT_TRUE(prompts_->warnings[0].contains(Path("blocked.pdf")))
        << prompts_->warnings[0].toStdString();

    // A description that names another folder is proposed as a plain name, as a save proposes it.
    answer.reset();
    doc_.setDescription("../elsewhere/scale");
    bar_->button(C::ExportPicture)->click();
    EXPECT_EQ(prompts_->proposedExport->baseName, QStringLiteral(".._elsewhere_scale"));
}

// The dialog refuses a name that is no plain file name and a folder that does not exist, and
// does not double an extension typed with the name.
TEST(ExportDialogTest, RefusesWhatCannotBeWrittenAndGivesWhatWasChosen) {
    QTemporaryDir dir;
    ExportChoice proposed;
    proposed.format = ExportFormat::Pdf;
    proposed.folder = dir.path();
    proposed.baseName = QStringLiteral("plate");
    const struct {
        const char* name;
        QString folder;
        bool accepted;
    } cases[] = {{"../plate", dir.path(), false},
                 {"  ", dir.path(), false},
                 {"plate", dir.filePath(QStringLiteral("missing")), false},
                 {"plate.PDF", dir.path(), true}};
    for (const auto& c : cases) {
        ExportDialog dialog(proposed, nullptr);
        dialog.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QString::fromUtf8(c.name));
        dialog.findChild<QLineEdit*>(QStringLiteral("folder"))->setText(c.folder);
        testing::ModalDriver driver;
        if (!c.accepted) driver.then(driver.AcceptMessage());
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.name;
        EXPECT_TRUE(driver.finished()) << c.name << ": no message";
        if (c.accepted) {
            EXPECT_EQ(dialog.choice().filePath(), dir.filePath("plate.pdf"));
        }
    }
    // A resolution is taken as typed, and one out of bounds is refused with a message, never
    // cut short (regression: 9400 left 940, which was then exported without a word).
    proposed.format = ExportFormat::Png;
    for (const auto& [typed, accepted] :
         {std::pair{"9400", true}, std::pair{"9601", false}, std::pair{"0", false}}) {
        ExportDialog dialog(proposed, nullptr);
        auto* dpi = dialog.findChild<QSpinBox*>(QStringLiteral("dpi"));
        ASSERT_NE(dpi, nullptr);
        dpi->selectAll();
        QTest::keyClicks(dpi, QString::fromLatin1(typed));
        testing::ModalDriver driver;
        if (!accepted) driver.then(driver.AcceptMessage());
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, accepted) << typed;
        EXPECT_TRUE(driver.finished()) << typed << ": no message";
        EXPECT_EQ(dialog.choice().options.dpi, std::atoi(typed));
    }
}

// Without a printer the preview lays the scale out on an A4 sheet instead of refusing.
TEST_F(ViewPeripheralsTest, PrintPreviewOpensOnAnA4PageWithoutAPrinter) {
    Open();
    QSizeF paper;
    int pages = 0;
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        paper = dialog->printer()->pageLayout().fullRect(QPageLayout::Millimeter).size();
        if (const auto* preview = dialog->findChild<QPrintPreviewWidget*>())
            pages = preview->pageCount();
        Later([dialog] { dialog->reject(); });
    });
    EXPECT_EQ(printing_->printPreview(1), 1);
    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(driver.sawUnexpected());
    EXPECT_TRUE(prompts_->warnings.isEmpty())
        << prompts_->warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_NEAR(paper.width(), 210.0, 0.5);
    EXPECT_NEAR(paper.height(), 297.0, 0.5);
    EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace quirn
