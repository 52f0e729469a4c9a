// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/FreeTextTable.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "model/ExtensionText.h"
#include "model/PlateKeys.h"
#include "model/TextCodec.h"

namespace quirn {

FreeTextTable::FreeTextTable(QWidget* parent)
    : ItemTable(kMaxFreeTexts,
                {tr("X, мм"), tr("Y, мм"), tr("Угол, °"), tr("Текст"), tr("Шрифт"), tr("Цвет")},
                TextColumn, tr("Добавить надпись"), tr("Удалить надпись"), parent) {
    connect(table(), &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == ColourColumn) ShowColour(item);
    });
}

void FreeTextTable::ShowColour(QTableWidgetItem* item) {
    const QSignalBlocker quiet(table());
    const std::optional<std::uint32_t> rgb = ParseColour(item->text().trimmed().toStdString());
    item->setData(Qt::DecorationRole,
                  rgb ? QVariant(QColor::fromRgb(QRgb(*rgb | 0xFF000000u))) : QVariant());
}

void FreeTextTable::SetRow(int row, const FreeText& t) {
    QTableWidget& cells = *table();
    const QSignalBlocker quiet(&cells);
    SetCellText(cells, row, XColumn, MillimetreText(t.centre.x));
    SetCellText(cells, row, YColumn, MillimetreText(t.centre.y));
    SetCellText(cells, row, AngleColumn, QString::fromStdString(ExactNumber(t.angle)));
    SetCellText(cells, row, TextColumn, QString::fromStdString(DisplayText(t.text, t.textUtf8)));
    SetCellText(cells, row, FontColumn,
                t.font ? QString::fromStdString(Cp1251ToUtf8(TypefaceText(*t.font))) : QString());
    SetCellText(cells, row, ColourColumn,
                t.colour ? QString::fromStdString(ColourText(*t.colour)) : QString());
    cells.item(row, TextColumn)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ShowColour(cells.item(row, ColourColumn));
}

void FreeTextTable::Fill(const std::map<int, FreeText>& texts) {
    for (int row = rowCount() - 1; row >= 0; --row)
        if (texts.count(NumberAt(row)) == 0) {
            const QSignalBlocker quiet(table());
            table()->removeRow(row);
        }
    for (const auto& [number, text] : texts) {
        int row = RowOf(number);
        if (row < 0) row = InsertRow(number);
        SetRow(row, text);
    }
    UpdateButtons();
}

void FreeTextTable::AddText(Place centre) {
    const int number = FreeNumber();
    if (number == 0) return;
    const int row = InsertRow(number);
    FreeText fresh;
    fresh.centre = centre;
    SetRow(row, fresh);
    UpdateButtons();
    table()->setCurrentCell(row, TextColumn);
    table()->editItem(table()->item(row, TextColumn));
    emit edited();
}

Outcome FreeTextTable::ReadInto(std::map<int, FreeText>& texts) const {
    std::map<int, FreeText> read;
    const QTableWidget& cells = *table();
    for (int row = 0; row < rowCount(); ++row) {
        const std::string item = tr("Надпись %1").arg(NumberAt(row)).toStdString();
        const auto notNumber = [&](int column, const QString& caption) {
            return Outcome::Failed(
                Fault::ItemNotNumber,
                {item, caption.toStdString(), CellText(cells, row, column).toStdString()});
        };
        FreeText t;
        const std::optional<std::int32_t> x = ReadMillimetres(CellText(cells, row, XColumn));
        if (!x) return notNumber(XColumn, tr("X, мм"));
        const std::optional<std::int32_t> y = ReadMillimetres(CellText(cells, row, YColumn));
        if (!y) return notNumber(YColumn, tr("Y, мм"));
        const std::optional<double> angle = ReadNumber(CellText(cells, row, AngleColumn));
        if (!angle) return notNumber(AngleColumn, tr("Угол, °"));
        t.centre = {*x, *y};
        t.angle = *angle;
        // As the file reads it back: one line, no blanks at its ends.
        const std::string typed = OneLineText(CellText(cells, row, TextColumn).toStdString());
        const QString trimmed = QString::fromStdString(typed).trimmed();
        if (trimmed.isEmpty()) return Outcome::Failed(Fault::ItemTextEmpty, {item});
        StoreTypedText(trimmed.toStdString(), t.text, t.textUtf8);
        const QString font = CellText(cells, row, FontColumn);
        if (!font.isEmpty()) {
            // A family's name is kept in Windows-1251, as the file holds it.
            const std::optional<std::string> bytes = Utf8ToCp1251Exactly(font.toStdString());
            if (bytes) t.font = ParseTypeface(*bytes);
            if (!t.font)
                return Outcome::Failed(Fault::ItemFaceUnreadable, {item, font.toStdString()});
        }
        const QString colour = CellText(cells, row, ColourColumn);
        if (!colour.isEmpty()) {
            t.colour = ParseColour(colour.toStdString());
            if (!t.colour)
                return Outcome::Failed(Fault::ItemColourUnreadable, {item, colour.toStdString()});
        }
        read.emplace(NumberAt(row), std::move(t));
    }
    texts = std::move(read);
    return {};
}

}  // namespace quirn
