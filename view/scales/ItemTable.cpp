// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ItemTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "view/panel/PanelText.h"

namespace quirn {

QTableWidgetItem* NewCell(const QString& text, CellUse use) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (use == CellUse::Fixed) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item == nullptr ? QString() : item->text().trimmed();
}

void SetCellText(QTableWidget& table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table.item(row, column);
    if (item == nullptr)
        table.setItem(row, column, NewCell(text));
    else if (item->text() != text)
        item->setText(text);
}

QString MillimetreText(std::int32_t units) {
    return QString::fromStdString(TemplateFieldText(units));
}

std::optional<double> ReadNumber(const QString& text) {
    const std::optional<double> value = FieldNumber(text.trimmed().toStdString());
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> ReadMillimetres(const QString& text) {
    const std::optional<double> mm = ReadNumber(text);
    if (!mm) return std::nullopt;
    const double units = std::round(*mm * 100.0);
    // A place far beyond any plate is a typing slip, not a place.
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max() / 2;
    if (std::abs(units) > kLimit) return std::nullopt;
    return static_cast<std::int32_t>(units);
}

ItemTable::ItemTable(int maxItems, const QStringList& columns, int stretched,
                     const QString& addCaption, const QString& removeCaption, QWidget* parent)
    : QWidget(parent), maxItems_(maxItems) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(0, int(columns.size()), this);
    table_->setHorizontalHeaderLabels(columns);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(table_);

    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton(addCaption, this);
    remove_ = new QPushButton(removeCaption, this);
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    layout->addLayout(buttons);

    connect(remove_, &QPushButton::clicked, this, [this] { RemoveItem(); });
    connect(table_, &QTableWidget::itemChanged, this, [this] { emit edited(); });
    UpdateButtons();
}

int ItemTable::rowCount() const {
    return table_->rowCount();
}

int ItemTable::NumberAt(int row) const {
    const QTableWidgetItem* header = table_->verticalHeaderItem(row);
    return header == nullptr ? 0 : header->data(Qt::UserRole).toInt();
}

int ItemTable::RowOf(int number) const {
    for (int row = 0; row < rowCount(); ++row)
        if (NumberAt(row) == number) return row;
    return -1;
}

int ItemTable::FreeNumber() const {
    for (int number = 1; number <= maxItems_; ++number)
        if (RowOf(number) < 0) return number;
    return 0;
}

int ItemTable::InsertRow(int number) {
    int row = 0;
    while (row < rowCount() && NumberAt(row) < number) ++row;
    const QSignalBlocker quiet(table_);
    table_->insertRow(row);
    auto* header = new QTableWidgetItem(QString::number(number));
    header->setData(Qt::UserRole, number);
    table_->setVerticalHeaderItem(row, header);
    return row;
}

void ItemTable::ClearRows() {
    const QSignalBlocker quiet(table_);
    table_->setRowCount(0);
}

void ItemTable::RemoveItem() {
    const int rows = rowCount();
    if (rows == 0) return;
    const int current = table_->currentRow();
    table_->removeRow(current >= 0 && current < rows ? current : rows - 1);
    UpdateButtons();
    emit edited();
}

void ItemTable::UpdateButtons() {
    add_->setEnabled(FreeNumber() != 0);
    remove_->setEnabled(rowCount() > 0);
}

}  // namespace quirn
