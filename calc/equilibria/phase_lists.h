// The per-component lists of both phase-equilibrium windows: the editable
// first-approach lists `ListBoxPhaseX` / `ListBoxPhaseY`, whose edits are
// stored at once into Globals::xgas / Globals::ygas, and the filling of the
// result lists.
//
// A window connects its list handlers like this:
//   bool ListBoxPhaseX_CellClick(int row, int, int, int) {
//     return equilibria::OpenValueCell(List("ListBoxPhaseX"), row);
//   }
//   void ListBoxPhaseX_CellTextChange(int row, int) {
//     equilibria::StoreEditedFraction(List("ListBoxPhaseX"), row, Globals::xgas);
//   }
// (the same for ListBoxPhaseY with Globals::ygas), and after a first
// approach calls FillPhaseLists(List("ListBoxPhaseX"), List("ListBoxPhaseY")).
#pragma once

#include <vector>

#include <QString>

#include "app/framework/Listbox.h"
#include "calc/equilibria/equilibrium_types.h"

namespace equilibria {

// Empties both lists, then gives each a row per component whose
// Globals::fraction is not 0, in component order: the name and Str of its
// Globals::xgas / Globals::ygas entry. Yields once per component.
void FillPhaseLists(fw::Listbox& listX, fw::Listbox& listY);

// A click anywhere in a row opens that row's value cell (column 1) for
// typing; the name column is never editable. Returns false (the list goes on
// with its own handling of the click).
bool OpenValueCell(fw::Listbox& list, int row);

// Stores Val of the row's value cell into `phase` at the index of the
// component named in column 0, as typed: no range check, no normalising. A
// row naming no component, or a row that is not there, stores nothing.
void StoreEditedFraction(const fw::Listbox& list, int row, Composition& phase);

// Empties the list and appends the rows (" " then name and value cells).
void FillComponentList(fw::Listbox& list, const std::vector<ComponentRow>& rows);

// Empties a one-column list and appends one row holding the text.
void ShowSingleValue(fw::Listbox& list, const QString& text);

}  // namespace equilibria
