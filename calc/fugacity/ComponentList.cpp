#include "calc/fugacity/ComponentList.h"

#include "app/framework/Controls.h"

namespace fugacity {

void SetComponentListHeadings(const fw::Window& w, const QString& quantity) {
  fw::Listbox& list = w.List("ListBox1");
  list.SetHeading(0, "gas");
  list.SetHeading(1, quantity);
  list.SetHeading(2, "coefficient");
}

}  // namespace fugacity
