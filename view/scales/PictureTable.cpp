// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/PictureTable.h"

#include <QDir>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

#include "model/TextCodec.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {
namespace {

// A picture chosen without a width of its own to go by starts 20 mm wide.
constexpr std::int32_t kNewPictureWidth = 2000;

}  // namespace

PictureTable::PictureTable(UserPrompts& prompts, std::function<std::string()> documentFolder,
                           QWidget* parent)
    : ItemTable(kMaxPictures, {tr("X, мм"), tr("Y, мм"), tr("Ширина, мм"), tr("Файл"), QString()},
                FileColumn, tr("Добавить рисунок"), tr("Удалить рисунок"), parent),
      prompts_(prompts),
      documentFolder_(std::move(documentFolder)) {}

void PictureTable::SetRow(int row, const PlacedPicture& p) {
    QTableWidget& cells = *table();
    const QSignalBlocker quiet(&cells);
    SetCellText(cells, row, XColumn, MillimetreText(p.centre.x));
    SetCellText(cells, row, YColumn, MillimetreText(p.centre.y));
    SetCellText(cells, row, WidthColumn, MillimetreText(p.width));
    SetCellText(cells, row, FileColumn, QString::fromStdString(Cp1251ToUtf8(p.file)));
    cells.item(row, FileColumn)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (cells.cellWidget(row, ChooseColumn) == nullptr) {
        auto* choose = new QToolButton(&cells);
        choose->setText(QStringLiteral("..."));
        choose->setToolTip(tr("Выбрать файл рисунка"));
        // The button finds its row when clicked: rows move as others are added and removed.
        connect(choose, &QToolButton::clicked, this, [this, choose] {
            for (int r = 0; r < rowCount(); ++r)
                if (table()->cellWidget(r, ChooseColumn) == choose) chooseFile(r);
        });
        cells.setCellWidget(row, ChooseColumn, choose);
    }
}

void PictureTable::Fill(const std::map<int, PlacedPicture>& pictures) {
    for (int row = rowCount() - 1; row >= 0; --row)
        if (pictures.count(NumberAt(row)) == 0) {
            const QSignalBlocker quiet(table());
            table()->removeRow(row);
        }
    for (const auto& [number, picture] : pictures) {
        int row = RowOf(number);
        if (row < 0) row = InsertRow(number);
        SetRow(row, picture);
    }
    UpdateButtons();
}

bool PictureTable::AddPicture(const PlacedPicture& picture) {
    const int number = FreeNumber();
    if (number == 0) return false;
    const int row = InsertRow(number);
    SetRow(row, picture);
    UpdateButtons();
    table()->setCurrentCell(row, FileColumn);
    emit edited();
    return true;
}

void PictureTable::AddChosenPicture(Place centre) {
    if (FreeNumber() == 0) return;
    const QString chosen = prompts_.ChoosePictureFile(QString::fromStdString(documentFolder_()));
    if (chosen.isEmpty()) return;
    AddPicture({centre, kNewPictureWidth, RecordedFile(chosen).toStdString()});
}

void PictureTable::chooseFile(int row) {
    const QString chosen = prompts_.ChoosePictureFile(QString::fromStdString(documentFolder_()));
    if (chosen.isEmpty()) return;
    table()->item(row, FileColumn)->setText(RecordedFile(chosen));
}

QString PictureTable::RecordedFile(const QString& chosen) const {
    const std::string folder = documentFolder_();
    if (folder.empty()) return chosen;
    const QString relative = QDir(QString::fromStdString(folder)).relativeFilePath(chosen);
    const bool inside = !relative.startsWith(QLatin1String("../")) && relative != ".." &&
                        !QDir::isAbsolutePath(relative);
    return inside ? relative : QDir::cleanPath(chosen);
}

Outcome PictureTable::ReadInto(std::map<int, PlacedPicture>& pictures) const {
    std::map<int, PlacedPicture> read;
    const QTableWidget& cells = *table();
    for (int row = 0; row < rowCount(); ++row) {
        const std::string item = tr("Рисунок %1").arg(NumberAt(row)).toStdString();
        const auto notNumber = [&](int column, const QString& caption) {
            return Outcome::Failed(
                Fault::ItemNotNumber,
                {item, caption.toStdString(), CellText(cells, row, column).toStdString()});
        };
        PlacedPicture p;
        const std::optional<std::int32_t> x = ReadMillimetres(CellText(cells, row, XColumn));
        if (!x) return notNumber(XColumn, tr("X, мм"));
        const std::optional<std::int32_t> y = ReadMillimetres(CellText(cells, row, YColumn));
        if (!y) return notNumber(YColumn, tr("Y, мм"));
        const std::optional<std::int32_t> width =
            ReadMillimetres(CellText(cells, row, WidthColumn));
        if (!width) return notNumber(WidthColumn, tr("Ширина, мм"));
        if (*width <= 0) {
            return Outcome::Failed(Fault::ItemWidthNotPositive,
                                   {item, CellText(cells, row, WidthColumn).toStdString()});
        }
        const QString file = CellText(cells, row, FileColumn);
        if (file.isEmpty()) return Outcome::Failed(Fault::ItemWithoutFile, {item});
        // Kept as every text of the file is, so it must be a name Windows-1251 holds.
        const std::optional<std::string> stored = Utf8ToCp1251Exactly(file.toStdString());
        if (!stored) {
            return Outcome::Within(
                Fault::InItem, {item},
                Outcome::Failed(Fault::FileNameNotStorable, {file.toStdString()}));
        }
        p.centre = {*x, *y};
        p.width = *width;
        p.file = *stored;
        read.emplace(NumberAt(row), std::move(p));
    }
    pictures = std::move(read);
    return {};
}

}  // namespace quirn
