#include "calc/equilibria/phase_lists.h"

#include "app/framework/ValStr.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace equilibria {

namespace {

constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;

void AppendRow(fw::Listbox& list, const QString& name, const QString& value) {
  list.AddRow(" ");
  list.SetCell(list.LastIndex(), kNameColumn, name);
  list.SetCell(list.LastIndex(), kValueColumn, value);
}

}  // namespace

void FillPhaseLists(fw::Listbox& listX, fw::Listbox& listY) {
  listX.DeleteAllRows();
  listY.DeleteAllRows();
  // The lists show one state, whatever is written while they fill.
  const Composition z = Globals::fraction;
  const Composition x = Globals::xgas;
  const Composition y = Globals::ygas;
  for (int i = 0; i < 5; ++i) {
    if (z[i] != 0) {
      AppendRow(listX, kComponentNames[i], fw::Str(x[i]));
      AppendRow(listY, kComponentNames[i], fw::Str(y[i]));
    }
    RuntimeBackgroundTask();
  }
}

bool OpenValueCell(fw::Listbox& list, int row) {
  if (row < 0 || row >= list.ListCount()) return false;
  list.SetCellType(row, kValueColumn, fw::Listbox::kEditable);
  list.EditCell(row, kValueColumn);
  return false;
}

void StoreEditedFraction(const fw::Listbox& list, int row, Composition& phase) {
  if (row < 0 || row >= list.ListCount()) return;
  const QString name = list.Cell(row, kNameColumn);
  for (int i = 0; i < 5; ++i) {
    if (name == kComponentNames[i]) {
      phase[i] = fw::Val(list.Cell(row, kValueColumn));
      return;
    }
  }
}

void FillComponentList(fw::Listbox& list, const std::vector<ComponentRow>& rows) {
  list.DeleteAllRows();
  for (const ComponentRow& row : rows) AppendRow(list, row.name, row.value);
}

void ShowSingleValue(fw::Listbox& list, const QString& text) {
  list.DeleteAllRows();
  list.AddRow(text);
}

}  // namespace equilibria
