// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/ExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <array>
#include <limits>

namespace quirn {
namespace {

// Which options a format uses.
enum FormatUse : unsigned { kResolution = 1, kOutlines = 2, kCopies = 4, kMirror = 8 };

struct FormatRow {
    ExportFormat format;
    const char* extension;
    const char* caption;
    unsigned uses;
};

constexpr std::array kFormats{
    FormatRow{ExportFormat::Bmp, ".bmp",
              QT_TRANSLATE_NOOP("quirn::ExportDialog", "BMP, 1 бит (для печати как есть)"),
              kResolution},
    FormatRow{ExportFormat::Png, ".png",
              QT_TRANSLATE_NOOP("quirn::ExportDialog", "PNG (зоны и цвета в цвете)"), kResolution},
    FormatRow{ExportFormat::Svg, ".svg",
              QT_TRANSLATE_NOOP("quirn::ExportDialog", "SVG (для гравировки и резки)"),
              kOutlines | kMirror},
    FormatRow{ExportFormat::Pdf, ".pdf",
              QT_TRANSLATE_NOOP("quirn::ExportDialog", "PDF (для типографии)"),
              kOutlines | kCopies | kMirror},
};

// A number typed stays as typed: one out of bounds is refused with a message when the dialog
// is accepted, never cut short as it is typed.
void TakeAnyNumber(QSpinBox& box) {
    box.setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

const FormatRow& RowOf(ExportFormat format) {
    for (const FormatRow& row : kFormats) {
        if (row.format == format) return row;
    }
    return kFormats.front();
}

}  // namespace

QString ExtensionOf(ExportFormat format) {
    return QString::fromLatin1(RowOf(format).extension);
}

QString ExportChoice::filePath() const {
    return QDir(folder).filePath(baseName + ExtensionOf(format));
}

bool IsPlainFileName(const QString& baseName) {
    const QString name = baseName.trimmed();
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/'));
}

ExportDialog::ExportDialog(const ExportChoice& proposed, QWidget* parent)
    : QDialog(parent), bandRows_(proposed.options.bandRows) {
    setWindowTitle(tr("Экспорт"));
    auto* form = new QFormLayout;

    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("format"));
    for (const FormatRow& row : kFormats) {
        format_->addItem(tr(row.caption), int(row.format));
    }
    format_->setCurrentIndex(format_->findData(int(proposed.format)));
    form->addRow(tr("Формат:"), format_);

    auto* nameRow = new QHBoxLayout;
    name_ = new QLineEdit(proposed.baseName, this);
    name_->setObjectName(QStringLiteral("name"));
    extension_ = new QLabel(this);
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(extension_);
    form->addRow(tr("Имя файла:"), nameRow);

    auto* folderRow = new QHBoxLayout;
    folder_ = new QLineEdit(QDir::toNativeSeparators(proposed.folder), this);
    folder_->setObjectName(QStringLiteral("folder"));
    // Room for a usual path without scrolling it.
    folder_->setMinimumWidth(folder_->fontMetrics().averageCharWidth() * 45);
    auto* browse = new QPushButton(tr("Обзор..."), this);
    connect(browse, &QPushButton::clicked, this, &ExportDialog::BrowseFolder);
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    form->addRow(tr("Папка:"), folderRow);

    dpi_ = new QSpinBox(this);
    dpi_->setObjectName(QStringLiteral("dpi"));
    TakeAnyNumber(*dpi_);
    dpi_->setSuffix(tr(" точек на дюйм"));
    dpi_->setValue(proposed.options.dpi > 0 ? proposed.options.dpi : 600);
    form->addRow(tr("Разрешение:"), dpi_);

    outlines_ = new QCheckBox(tr("Текст кривыми (файлу не нужны шрифты)"), this);
    outlines_->setObjectName(QStringLiteral("outlines"));
    outlines_->setChecked(proposed.options.text == TextOutput::AsOutlines);
    form->addRow(outlines_);

    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("copies"));
    TakeAnyNumber(*copies_);
    copies_->setValue(std::max(1, proposed.options.sheet.copies));
    form->addRow(tr("Копий на листе:"), copies_);

    mirror_ = new QCheckBox(tr("Зеркально (для печати на обороте плёнки)"), this);
    mirror_->setObjectName(QStringLiteral("mirror"));
    mirror_->setChecked(proposed.options.sheet.mirror == Mirroring::LeftToRight);
    form->addRow(mirror_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Записать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(format_, &QComboBox::currentIndexChanged, this, &ExportDialog::ShowFormatOptions);
    ShowFormatOptions();
}

void ExportDialog::ShowFormatOptions() {
    const FormatRow& row = RowOf(ExportFormat(format_->currentData().toInt()));
    extension_->setText(QString::fromLatin1(row.extension));
    auto* form = static_cast<QFormLayout*>(static_cast<QVBoxLayout*>(layout())->itemAt(0));
    const auto show = [form](QWidget* field, bool shown) { form->setRowVisible(field, shown); };
    show(dpi_, (row.uses & kResolution) != 0);
    show(outlines_, (row.uses & kOutlines) != 0);
    show(copies_, (row.uses & kCopies) != 0);
    show(mirror_, (row.uses & kMirror) != 0);
    adjustSize();
}

void ExportDialog::BrowseFolder() {
    QFileDialog dialog(this, tr("Папка для рисунка"), QDir::fromNativeSeparators(folder_->text()));
    // Qt's own dialog rather than the desktop's, which would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        folder_->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    }
}

ExportChoice ExportDialog::choice() const {
    ExportChoice chosen;
    const FormatRow& row = RowOf(ExportFormat(format_->currentData().toInt()));
    chosen.format = row.format;
    chosen.folder = QDir::fromNativeSeparators(folder_->text().trimmed());
    chosen.baseName = name_->text().trimmed();
    // A name typed with the format's extension is not given it twice.
    if (chosen.baseName.endsWith(QString::fromLatin1(row.extension), Qt::CaseInsensitive)) {
        chosen.baseName.chop(qsizetype(std::char_traits<char>::length(row.extension)));
    }
    chosen.options.dpi = dpi_->value();
    chosen.options.bandRows = bandRows_;
    if ((row.uses & kOutlines) != 0 && outlines_->isChecked()) {
        chosen.options.text = TextOutput::AsOutlines;
    }
    if ((row.uses & kCopies) != 0) chosen.options.sheet.copies = copies_->value();
    if ((row.uses & kMirror) != 0 && mirror_->isChecked()) {
        chosen.options.sheet.mirror = Mirroring::LeftToRight;
    }
    return chosen;
}

void ExportDialog::Refuse(QWidget* field, const QString& text) {
    QMessageBox::warning(this, tr("Экспорт"), text);
    field->setFocus();
}

void ExportDialog::accept() {
    const ExportChoice chosen = choice();
    const FormatRow& row = RowOf(chosen.format);
    if ((row.uses & kResolution) != 0 &&
        (chosen.options.dpi < kLowestExportDpi || chosen.options.dpi > kHighestExportDpi)) {
        Refuse(dpi_, tr("Разрешение может быть от %1 до %2 точек на дюйм, а введено %3.")
                         .arg(kLowestExportDpi)
                         .arg(kHighestExportDpi)
                         .arg(chosen.options.dpi));
        return;
    }
    if ((row.uses & kCopies) != 0 && (chosen.options.sheet.copies < 1 ||
                                      chosen.options.sheet.copies > SheetOptions::kMostCopies)) {
        Refuse(copies_, tr("Копий на листе может быть от 1 до %1, а введено %2.")
                            .arg(SheetOptions::kMostCopies)
                            .arg(chosen.options.sheet.copies));
        return;
    }
    if (!IsPlainFileName(chosen.baseName)) {
        Refuse(name_, tr("Имя файла не задано или содержит \"/\": укажите только имя, папку - "
                         "в поле \"Папка\"."));
        return;
    }
    if (!QFileInfo(chosen.folder).isDir()) {
        Refuse(folder_, tr("Папка \"%1\" не существует.").arg(folder_->text()));
        return;
    }
    QDialog::accept();
}

}  // namespace quirn
