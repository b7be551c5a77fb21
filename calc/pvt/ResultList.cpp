#include "calc/pvt/ResultList.h"

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace pvt {

void ResetResultList(const fw::Window& w, const QString& heading0, const QString& heading1) {
  fw::Listbox& list = w.List("ListBox1");
  list.DeleteAllRows();
  list.SetHeading(0, heading0);
  list.SetHeading(1, heading1);
}

bool AppendRowAndYield(const fw::Window& w, double first, double second) {
  fw::Listbox& list = w.List("ListBox1");
  list.AddRow(" ");
  list.SetCell(list.LastIndex(), 0, fw::ResultText(first));
  list.SetCell(list.LastIndex(), 1, fw::ResultText(second));
  RuntimeBackgroundTask();
  return w.IsOpen();
}

}  // namespace pvt
