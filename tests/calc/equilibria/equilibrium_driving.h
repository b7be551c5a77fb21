// Driving the phase-equilibrium windows as a user does, on top of the PVT
// windows' driving helpers; also keeps the phase state of the shared fluid
// state (K-values, phase compositions, salt percentages) as it was.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>

#include <string>

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
  QTest::keyClick(editor, Qt::Key_Delete);
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

// Whether `Answer` and every value cell of the result lists is empty or a
// number: never "nan".
inline bool ShowsOnlyNumbers(fw::Window& w) {
  QStringList shown = {w.Label("Answer").Text()};
  for (const char* name : {"ListBoxVmX", "ListBoxDX", "ListBoxVmY", "ListBoxDY"})
    shown << Column(w.List(name), 0);
  if (w.Title() == "Liquid-Vapour Equilibrium")
    shown << Column(w.List("ListBoxFracX"), 0) << Column(w.List("ListBoxFracY"), 0);
  for (const char* name : {"ListBoxPhaseX1", "ListBoxPhaseY1", "ListBoxPhaseX2", "ListBoxPhaseY2"})
    shown << Column(w.List(name), 1);
  for (const QString& text : shown)
    if (!text.isEmpty() && !fw::ParseNumber(text)) return false;
  return true;
}

// At a solution each phase's molar volume solves the pressure P at T, its
// density is the mass of its shown composition over that volume, and each
// component has one fugacity in both phases, as far as the 7 digits shown tell.
inline void ExpectPhasesInEquilibrium(fw::Window& w, double T, double P) {
  const QString names[] = {"H2O", "CO2", "CH4", "NaCl", "KCl"};
  for (const std::string phase : {"X", "Y"}) {
    SCOPED_TRACE("phase " + phase);
    const fw::Listbox& rows = w.List("ListBoxPhase" + phase + "1");
    Globals::Composition x{};
    double mass = 0;
    for (int row = 0; row < rows.ListCount(); ++row)
      for (int i = 0; i < 5; ++i)
        if (rows.Cell(row, 0) == names[i]) mass += (x[i] = Val(rows.Cell(row, 1))) * Globals::MolarMass[i];
    const double Vm = Val(w.List("ListBoxVm" + phase).Cell(0, 0));
    EXPECT_NEAR(Val(w.List("ListBoxD" + phase).Cell(0, 0)), mass / Vm, 1e-5 * mass / Vm);
    EXPECT_NEAR(Globals::Pressure(x, T, Vm), P, 1e-3 * P);
  }
  const fw::Listbox& X = w.List("ListBoxPhaseX2");
  const fw::Listbox& Y = w.List("ListBoxPhaseY2");
  ASSERT_EQ(X.ListCount(), Y.ListCount());
  for (int row = 0; row < X.ListCount(); ++row)
    EXPECT_NEAR(Val(X.Cell(row, 1)), Val(Y.Cell(row, 1)), 1e-5 * Val(X.Cell(row, 1))) << row;
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
