// The three-column list "ListBox1" of the fugacity and activity windows: one
// row a component present, its name, its value and its coefficient.
#pragma once

#include <QString>

#include "app/framework/Window.h"

namespace fugacity {

// Writes the headings; `quantity` names the middle column.
void SetComponentListHeadings(const fw::Window& w, const QString& quantity);

}  // namespace fugacity
