// SPDX-License-Identifier: GPL-3.0-or-later
// A table of the "Надписи и рисунки" page whose rows are numbered items of the record (texts,
// pictures): each row shows its item's number, which stays with the item while others come and
// go, so that the file's keys and the refusals name the item the user sees. Also the cells the
// page's tables share: millimetres with two decimals and numbers with "." whatever the locale.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <optional>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace quirn {

// An editable cell, centred; a fixed one the user cannot type into.
enum class CellUse { Editable, Fixed };
QTableWidgetItem* NewCell(const QString& text, CellUse use = CellUse::Editable);
// The cell's text, trimmed; empty for a missing cell.
QString CellText(const QTableWidget& table, int row, int column);
// Sets the cell's text only when it differs, so that refilling leaves the user's place alone.
void SetCellText(QTableWidget& table, int row, int column, const QString& text);

// Drawing units as millimetres with two decimals: 1250 -> "12.50".
QString MillimetreText(std::int32_t units);
// Millimetres as typed ("12,5" too) in drawing units; none when it is no number or lies beyond
// what a place can hold.
std::optional<std::int32_t> ReadMillimetres(const QString& text);
// A number as typed, "," for "."; none when it is no number.
std::optional<double> ReadNumber(const QString& text);

class ItemTable : public QWidget {
    Q_OBJECT
  public:
    // stretched: the column that takes the width the others leave.
    ItemTable(int maxItems, const QStringList& columns, int stretched, const QString& addCaption,
              const QString& removeCaption, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    int rowCount() const;
    // The number of the item in row.
    int NumberAt(int row) const;
    // The least number no row has; 0 when every number is taken.
    int FreeNumber() const;
    // The row that shows number; -1 when none does.
    int RowOf(int number) const;
    // The current row, or the last one when none is current.
    void RemoveItem();

  signals:
    // A cell or the rows changed.
    void edited();

  protected:
    // An empty row for number, among the others in the order of their numbers; its index.
    int InsertRow(int number);
    // Every row gone, without telling: the page refills.
    void ClearRows();
    void UpdateButtons();

  private:
    QTableWidget* table_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    int maxItems_;
};

}  // namespace quirn
