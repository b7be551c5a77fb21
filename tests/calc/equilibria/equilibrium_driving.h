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

// Mole fractions of a composition given in mass per cent.
inline Globals::Composition OfMassPercent(const Globals::Composition& mass) {
  Globals::Composition x;
  double moles = 0;
  for (int i = 0; i < 5; ++i) moles += x[i] = mass[i] / Globals::MolarMass[i];
  for (double& v : x) v = v / moles;
  return x;
}

// Whether `Answer` and every value cell of the result lists (with the volume
// fractions where the window has them) is empty or a number: never "nan".
inline bool ShowsOnlyNumbers(fw::Window& w, bool withFractions) {
  QStringList shown = {w.Label("Answer").Text()};
  for (const char* name : {"ListBoxVmX", "ListBoxDX", "ListBoxVmY", "ListBoxDY"})
    shown << Column(w.List(name), 0);
  if (withFractions)
    shown << Column(w.List("ListBoxFracX"), 0) << Column(w.List("ListBoxFracY"), 0);
  for (const char* name : {"ListBoxPhaseX1", "ListBoxPhaseY1", "ListBoxPhaseX2", "ListBoxPhaseY2"})
    shown << Column(w.List(name), 1);
  for (const QString& text : shown)
    if (!text.isEmpty() && !fw::ParseNumber(text)) return false;
  return true;
}

// Each row of the phase X fugacities equals that of phase Y, as far as the 7
// digits shown tell.
inline void ExpectEqualFugacities(fw::Window& w) {
  const fw::Listbox& X = w.List("ListBoxPhaseX2");
  const fw::Listbox& Y = w.List("ListBoxPhaseY2");
  ASSERT_EQ(X.ListCount(), Y.ListCount());
  for (int row = 0; row < X.ListCount(); ++row) {
    const double fX = Val(X.Cell(row, 1));
    EXPECT_NEAR(fX, Val(Y.Cell(row, 1)), 1e-5 * fX) << X.Cell(row, 0).toStdString();
  }
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
