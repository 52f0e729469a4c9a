// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/DialogPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "model/ExtensionText.h"
#include "model/NumberText.h"
#include "peripherals/TemplateUnderlay.h"
#include "view/dialogs/ExportDialog.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/ScanReviewDialog.h"
#include "view/template/TickReviewDialog.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::DialogPrompts", text);
}

}  // namespace

QWidget* DialogPrompts::Parent() const {
    // Over the window the user is working in, the scales window too when it floats.
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallbackParent_.data();
}

namespace {

// A question with two answers and "Отмена", the first the default (Enter); which was taken.
enum class Choice { First, Second, Cancel };
Choice AskTwoWays(QWidget* parent, const QString& question, const QString& first,
                  const QString& second) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quirn"), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(first);
    box.button(QMessageBox::No)->setText(second);
    box.button(QMessageBox::Cancel)
        ->setText(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Отмена")));
    box.setDefaultButton(QMessageBox::Yes);
    const int chosen = box.exec();
    return chosen == QMessageBox::Yes  ? Choice::First
           : chosen == QMessageBox::No ? Choice::Second
                                       : Choice::Cancel;
}

}  // namespace

SaveAnswer DialogPrompts::AskApplyEdits() {
    switch (AskTwoWays(Parent(),
                       Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts",
                                            "Параметры на панели изменены, но не применены. "
                                            "Применить их?")),
                       Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Применить")),
                       Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Не применять")))) {
        case Choice::First:
            return SaveAnswer::Yes;
        case Choice::Second:
            return SaveAnswer::No;
        case Choice::Cancel:
            break;
    }
    return SaveAnswer::Cancel;
}

ConflictAnswer DialogPrompts::AskKeepTypedFields(const QStringList& fields) {
    switch (AskTwoWays(Parent(),
                       Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts",
                                            "Пока поля правились, документ изменил те же "
                                            "значения (%1). Оставить набранные или взять "
                                            "значения документа?"))
                           .arg(fields.join(QStringLiteral(", "))),
                       Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Оставить набранные")),
                       Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Взять из документа")))) {
        case Choice::First:
            return ConflictAnswer::KeepTyped;
        case Choice::Second:
            return ConflictAnswer::TakeDocument;
        case Choice::Cancel:
            break;
    }
    return ConflictAnswer::Cancel;
}

QString DialogPrompts::ChooseTemplateFile() {
    // Titled as the document picker is.
    QFileDialog dialog(Parent(), Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Открыть")));
    // Qt's own dialog rather than the desktop's, which would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(TemplateFileFilters());
    // The BMP filter reads "Файлы изображений *.bmp" without its pattern repeated.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString DialogPrompts::ChoosePictureFile(const QString& folder) {
    QFileDialog dialog(Parent(), Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Рисунок")), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(
        {Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Рисунки (*.svg *.png *.jpg *.jpeg *.bmp)")),
         Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Все файлы (*)"))});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

namespace {

// Where a dialog of `size` stands off `region` on `screen`: below it, else above, else to its
// right or left, kept on the screen; at the screen's bottom when none of these is clear of it.
QPoint ClearOf(const QRect& region, const QSize& size, const QRect& screen) {
    constexpr int kGap = 24;  // room for the window's frame and title
    const auto onScreen = [&](QPoint at) {
        at.setX(std::clamp(at.x(), screen.left(),
                           std::max(screen.left(), screen.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - size.height())));
        return at;
    };
    const int midX = region.center().x() - size.width() / 2;
    const int midY = region.center().y() - size.height() / 2;
    const QPoint tries[] = {{midX, region.bottom() + kGap},
                            {midX, region.top() - kGap - size.height()},
                            {region.right() + kGap, midY},
                            {region.left() - kGap - size.width(), midY}};
    for (const QPoint at : tries) {
        const QPoint kept = onScreen(at);
        if (!QRect(kept, size).intersects(region)) return kept;
    }
    return onScreen({midX, screen.bottom()});
}

}  // namespace

std::optional<double> DialogPrompts::AskTickValue(const TickQuestion& question) {
    QInputDialog dialog(Parent());
    dialog.setWindowTitle(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Калибровка по шаблону")));
    dialog.setInputMode(QInputDialog::TextInput);
    const QString proposed = QString::fromStdString(TrimmedNumber(question.proposed, 6));
    dialog.setLabelText(
        Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Значение отметки %1 шкалы %2:"))
            .arg(proposed)
            .arg(question.scale));
    dialog.setTextValue(proposed);
    for (;;) {
        // Off the ticks being clicked, which the user looks at while typing.
        if (!question.keepClear.isEmpty()) {
            dialog.adjustSize();
            const QScreen* screen = QGuiApplication::screenAt(question.keepClear.center());
            if (screen == nullptr) screen = QGuiApplication::primaryScreen();
            if (screen != nullptr)
                dialog.move(ClearOf(question.keepClear, dialog.frameGeometry().size(),
                                    screen->availableGeometry()));
        }
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        const QString text = dialog.textValue();
        // Numbers are typed with "." whatever the locale; "," is taken as well.
        const std::optional<double> value = ParseExactNumber(
            text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toStdString());
        if (value) return value;
        Warn(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "«%1» — не число.")).arg(text));
    }
}

std::optional<QColor> DialogPrompts::ChooseColour(const QColor& current) {
    const QColor picked = QColorDialog::getColor(
        current, Parent(), Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Цвет зоны")));
    if (!picked.isValid()) return std::nullopt;
    return picked;
}

std::optional<ExportChoice> DialogPrompts::ChooseExport(const ExportChoice& proposed) {
    ExportDialog dialog(proposed, Parent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

bool DialogPrompts::ConfirmReplace(const QString& path) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Quirn"),
        Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Файл \"%1\" уже существует. Заменить его?"))
            .arg(QDir::toNativeSeparators(path)),
        QMessageBox::Yes | QMessageBox::No, Parent());
    box.button(QMessageBox::Yes)
        ->setText(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Заменить")));
    box.button(QMessageBox::No)
        ->setText(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Не заменять")));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompts::Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning,
                    Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Внимание!")), text,
                    QMessageBox::Ok, Parent());
    box.exec();
}

void DialogPrompts::Inform(const QString& text) {
    QMessageBox::information(Parent(), QStringLiteral("Quirn"), text);
}

std::optional<ScanEnds> DialogPrompts::ReviewScan(const FoundScan& scan,
                                                  const ProposeFromScan& propose) {
    ScanReviewDialog dialog(scan, propose, Parent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ends();
}

bool DialogPrompts::AskReloadChangedFile(const QString& name) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quirn"),
                    Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts",
                                         "Файл «%1» изменён другой программой. Загрузить его "
                                         "заново? Изменения, сделанные здесь, будут потеряны."))
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::No, Parent());
    box.button(QMessageBox::Yes)
        ->setText(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Загрузить заново")));
    box.button(QMessageBox::No)
        ->setText(Tr(QT_TRANSLATE_NOOP("quirn::DialogPrompts", "Оставить мою версию")));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DialogPrompts::ReviewTicks(const QImage& scan, int scale, TickReview& review) {
    TickReviewDialog dialog(scan, scale, review, Parent());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace quirn
