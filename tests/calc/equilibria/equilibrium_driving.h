// Driving the phase-equilibrium windows as a user does, on top of the PVT
// windows' driving helpers; also keeps the phase state of the shared fluid
// state (K-values, phase compositions, salt percentages) as it was.
#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "tests/calc/pvt/window_driving.h"

namespace equilibrium_driving {

using namespace driving;

// Clicks a cell of a list where the user would.
inline void ClickCell(fw::Listbox& list, int row, int column) {
  QTableWidget* table = list.Table();
  const QRect cell = table->visualRect(table->model()->index(row, column));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

// Clicks the row, types over the cell that opens and confirms with Return.
inline void EditRow(fw::Listbox& list, int row, int clickedColumn, const QString& text) {
  ClickCell(list, row, clickedColumn);
  QCoreApplication::processEvents();  // the editor opens after the click
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  if (text.isEmpty())
    QTest::keyClick(editor, Qt::Key_Delete);
  else
    QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

// Resizes the window's content to a height, as the user's dragging does.
inline void ResizeTo(fw::Window& w, int height) {
  w.Frame()->resize(w.Frame()->width(), w.Frame()->height() - w.Height() + height);
  QCoreApplication::processEvents();
}

template <class W>
class EquilibriumDriving : public Driving<W> {
 protected:
  EquilibriumDriving()
      : saved_{Globals::K_liq_vap, Globals::xgas, Globals::ygas, Globals::ASnumber} {}
  ~EquilibriumDriving() override {
    std::tie(Globals::K_liq_vap, Globals::xgas, Globals::ygas, Globals::ASnumber) = saved_;
  }
  fw::Listbox& ListOf(const char* name) { return this->w.List(name); }
  bool Shows(const char* control) { return this->w.ControlByName(control).Visible(); }

 private:
  std::tuple<Globals::Composition, Globals::Composition, Globals::Composition, Globals::Composition>
      saved_;
};

}  // namespace equilibrium_driving
