// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ZoneTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "model/ExtensionText.h"
#include "view/dialogs/UserPrompts.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

std::optional<double> CellNumber(const QTableWidgetItem* item) {
    if (item == nullptr) return std::nullopt;
    return FieldNumber(item->text().trimmed().toStdString());
}

std::string CellText(const QTableWidgetItem* item) {
    return item == nullptr ? std::string() : item->text().trimmed().toStdString();
}

}  // namespace

ZoneTable::ZoneTable(UserPrompts& prompts, QWidget* parent) : QWidget(parent), prompts_(prompts) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(0, 4, this);
    table_->setHorizontalHeaderLabels({tr("Шкала"), tr("От"), tr("До"), tr("Цвет")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(table_);

    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton(tr("Добавить зону"), this);
    remove_ = new QPushButton(tr("Удалить зону"), this);
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    layout->addLayout(buttons);

    connect(remove_, &QPushButton::clicked, this, [this] { RemoveZone(); });
    connect(table_, &QTableWidget::itemChanged, this, [this] { emit edited(); });
    connect(table_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { editCell(row, column); });
    UpdateButtons();
}

void ZoneTable::Fill(const std::vector<Zone>& zones) {
    table_->setRowCount(0);
    for (const Zone& zone : zones) AddZone(zone);
    UpdateButtons();
}

void ZoneTable::AddZone(const Zone& zone) {
    if (table_->rowCount() >= kMaxZones) return;
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, ScaleColumn, Cell(std::to_string(zone.scale)));
    table_->setItem(row, FromColumn, Cell(ExactNumber(zone.from)));
    table_->setItem(row, ToColumn, Cell(ExactNumber(zone.to)));
    auto* colour = Cell({});
    // The colour is picked, not typed: a click opens the colour dialog.
    colour->setFlags(colour->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, ColourColumn, colour);
    SetColour(row, zone.rgb);
    UpdateButtons();
    emit edited();
}

void ZoneTable::RemoveZone() {
    const int rows = table_->rowCount();
    if (rows == 0) return;
    const int current = table_->currentRow();
    table_->removeRow(current >= 0 && current < rows ? current : rows - 1);
    UpdateButtons();
    emit edited();
}

void ZoneTable::RemoveScale(int scale) {
    for (int row = table_->rowCount() - 1; row >= 0; --row) {
        QTableWidgetItem* cell = table_->item(row, ScaleColumn);
        const std::optional<double> number = CellNumber(cell);
        if (!number) continue;
        if (*number == scale)
            table_->removeRow(row);
        else if (*number > scale)
            cell->setText(QString::number(*number - 1));
    }
    UpdateButtons();
    emit edited();
}

void ZoneTable::SetColour(int row, std::uint32_t rgb) {
    QTableWidgetItem* item = table_->item(row, ColourColumn);
    const QColor colour = QColor::fromRgb(QRgb(rgb & 0xFFFFFFu));
    item->setData(Qt::UserRole, QVariant::fromValue(rgb & 0xFFFFFFu));
    item->setText(colour.name());
    item->setBackground(colour);
    item->setForeground(colour.lightness() < 128 ? Qt::white : Qt::black);
}

void ZoneTable::editCell(int row, int column) {
    if (column != ColourColumn) return;
    const QColor old = QColor::fromRgb(
        QRgb(table_->item(row, ColourColumn)->data(Qt::UserRole).value<std::uint32_t>()));
    if (const std::optional<QColor> picked = prompts_.ChooseColour(old))
        SetColour(row, std::uint32_t(picked->rgb() & 0xFFFFFFu));
}

void ZoneTable::UpdateButtons() {
    add_->setEnabled(table_->rowCount() < kMaxZones);
    remove_->setEnabled(table_->rowCount() > 0);
}

Outcome ZoneTable::ReadInto(std::vector<Zone>& zones) const {
    std::vector<Zone> out;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const std::string zone = std::to_string(row + 1);
        const QTableWidgetItem* scaleCell = table_->item(row, ScaleColumn);
        const std::optional<double> scale = CellNumber(scaleCell);
        if (!scale || *scale < 1 || *scale > kMaxScales || *scale != std::trunc(*scale)) {
            return Outcome::Failed(Fault::ZoneScaleOutside,
                                   {zone, std::to_string(kMaxScales), CellText(scaleCell)});
        }
        Zone z;
        z.scale = int(*scale);
        for (auto [column, caption, value] :
             {std::tuple{FromColumn, tr("От"), &z.from}, std::tuple{ToColumn, tr("До"), &z.to}}) {
            const QTableWidgetItem* cell = table_->item(row, column);
            const std::optional<double> v = CellNumber(cell);
            if (!v)
                return Outcome::Failed(Fault::ZoneNotNumber,
                                       {zone, caption.toStdString(), CellText(cell)});
            *value = *v;
        }
        if (const QTableWidgetItem* colour = table_->item(row, ColourColumn))
            z.rgb = colour->data(Qt::UserRole).value<std::uint32_t>();
        out.push_back(z);
    }
    zones = std::move(out);
    return {};
}

}  // namespace quirn
