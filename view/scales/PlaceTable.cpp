// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/PlaceTable.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "view/scales/ItemTable.h"

namespace quirn {
namespace {

// In the order of MovableElement.
constexpr const char* kElementNames[kDrawnElementCount] = {
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Символ системы"),
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Символ напряжения"),
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Символы класса"),
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Название"),
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Единица"),
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Надпись изготовителя"),
    QT_TRANSLATE_NOOP("quirn::PlaceTable", "Надпись стандарта"),
};

QString ElementName(int element) {
    return QCoreApplication::translate("quirn::PlaceTable", kElementNames[element]);
}

// The text a cell was filled with, to tell what the user typed from what was shown.
constexpr int kShownRole = Qt::UserRole;

}  // namespace

PlaceTable::PlaceTable(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(kDrawnElementCount, 2, this);
    table_->setHorizontalHeaderLabels({tr("X, мм"), tr("Y, мм")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int e = 0; e < kDrawnElementCount; ++e) {
        table_->setVerticalHeaderItem(e, new QTableWidgetItem(ElementName(e)));
        // The unit stays centred over the axis, as dragging keeps it.
        const bool fixedX = e == Index(MovableElement::UnitLabel);
        table_->setItem(e, XColumn, NewCell({}, fixedX ? CellUse::Fixed : CellUse::Editable));
        table_->setItem(e, YColumn, NewCell({}));
    }
    // The table shows all seven rows without scrolling.
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(table_);
    connect(table_, &QTableWidget::itemChanged, this, [this] { emit edited(); });
}

void PlaceTable::Fill(const std::array<Point, kDrawnElementCount>& shown) {
    const QSignalBlocker quiet(table_);
    for (int e = 0; e < kDrawnElementCount; ++e) {
        const Point& at = shown[std::size_t(e)];
        for (const auto& [column, units] : {std::pair{XColumn, at.x}, std::pair{YColumn, at.y}}) {
            QTableWidgetItem* cell = table_->item(e, column);
            const QString text = MillimetreText(units);
            cell->setData(kShownRole, text);
            if (cell->text() != text) cell->setText(text);
        }
    }
}

Outcome PlaceTable::ReadInto(std::array<std::optional<Place>, kPlacedElementCount>& places) const {
    std::array<std::optional<Place>, kPlacedElementCount> read = places;
    for (int e = 0; e < kDrawnElementCount; ++e) {
        bool typed = false;
        std::array<std::int32_t, 2> at{};
        for (const int column : {XColumn, YColumn}) {
            const QTableWidgetItem* cell = table_->item(e, column);
            typed = typed || cell->text() != cell->data(kShownRole).toString();
            const std::optional<std::int32_t> units = ReadMillimetres(cell->text());
            if (!units) {
                const QString caption = column == XColumn ? tr("X, мм") : tr("Y, мм");
                return Outcome::Failed(Fault::ItemNotNumber,
                                       {ElementName(e).toStdString(), caption.toStdString(),
                                        cell->text().trimmed().toStdString()});
            }
            at[std::size_t(column)] = *units;
        }
        if (typed) read[std::size_t(e)] = Place{at[0], at[1]};
    }
    places = read;
    return {};
}

}  // namespace quirn
