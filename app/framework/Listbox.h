// A list of rows and columns with an optional heading. Rows and columns count
// from 0. Code fills it without raising events; CellTextChange fires only for
// the user's edits of an editable cell (CellType 3), CellClick for a click on
// a cell, before the list's own handling (a handler returning true stops it).
// DeleteAllRows closes a cell editor still open, without storing its text.
#pragma once

#include <QString>
#include <vector>

#include "app/framework/RectControl.h"

class QTableWidget;
class QTableWidgetItem;

namespace fw {

class Listbox : public RectControl {
 public:
  static constexpr int kEditable = 3;  // CellType of a cell the user may type in

  Listbox() : RectControl(BlockClass::Listbox) {}

  int ColumnCount() const;
  int ListCount() const;  // number of rows
  void DeleteAllRows();
  // Appends a row whose column 0 holds the text.
  void AddRow(const QString& text);
  int LastIndex() const { return lastIndex_; }  // the row appended last; -1 before any
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);
  QString Heading(int column) const;
  void SetHeading(int column, const QString& text);
  int CellType(int row, int column) const;
  void SetCellType(int row, int column, int type);
  // Opens the cell for typing (once the current input event is handled,
  // unless the rows were deleted meanwhile).
  void EditCell(int row, int column);

  QTableWidget* Table() const;
  void Connect(Event event, EventSink sink) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;

 private:
  QTableWidgetItem* ItemAt(int row, int column) const;  // throws outside the list
  void ApplyColumnWidths();

  int lastIndex_ = -1;
  int rowsGeneration_ = 0;  // counts DeleteAllRows
  QString columnWidths_;
};

// Column widths written as in a list block ("50%, 50%", "40% 60%", "120, *"),
// in pixels for a list of the given inner width.
std::vector<int> ColumnWidthsFor(const QString& widthsText, int columns, int width);

}  // namespace fw
