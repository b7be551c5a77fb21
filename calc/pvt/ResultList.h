// The two-column result list "ListBox1" of the Isochore and the two
// "Mathematical Analysis" windows, filled one row at a time while the
// program stays responsive.
#pragma once

#include <QString>

#include "app/framework/Window.h"

namespace pvt {

// Empties the list and writes its two headings.
void ResetResultList(const fw::Window& w, const QString& heading0, const QString& heading1);

// Appends the row (ResultText(first), ResultText(second)), then yields to
// the event loop once. Returns whether the window is still open: the user
// may close it meanwhile, and then the table is gone.
bool AppendRowAndYield(const fw::Window& w, double first, double second);

}  // namespace pvt
