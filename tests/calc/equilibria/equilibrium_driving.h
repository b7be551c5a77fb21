// Driving the phase-equilibrium windows as a user does, on top of the PVT
// windows' driving helpers, and what their results must satisfy.
#pragma once

#include <algorithm>
#include <string>

#include "tests/calc/pvt/window_driving.h"

namespace equilibrium_driving {

using namespace driving;

// In a played session: no answer, and no row in any result list of either
// phase (the volume fractions aside).
#define NO_PHASE_RESULTS                                                                 \
  "Answer?", "ListBoxVmX#?0", "ListBoxDX#?0", "ListBoxPhaseX1#?0", "ListBoxPhaseX2#?0", \
      "ListBoxVmY#?0", "ListBoxDY#?0", "ListBoxPhaseY1#?0", "ListBoxPhaseY2#?0"

// Mole fractions of a composition given in mass per cent.
inline Globals::Composition OfMassPercent(const Globals::Composition& mass) {
  Globals::Composition x;
  double moles = 0;
  for (int i = 0; i < 5; ++i) moles += x[i] = mass[i] / Globals::MolarMass[i];
  for (double& v : x) v = v / moles;
  return x;
}

// Whether `Answer` and every value cell of the lists is empty or a number:
// never "nan".
inline bool ShowsOnlyNumbers(fw::Window& w) {
  QStringList shown = {w.Label("Answer").Text()};
  for (const auto& control : w.Controls())
    if (const auto* list = dynamic_cast<const fw::Listbox*>(control.get()))
      shown << Column(*list, list->ColumnCount() - 1);
  return std::all_of(shown.begin(), shown.end(),
                     [](const QString& text) { return text.isEmpty() || fw::ParseNumber(text); });
}

// At a solution each phase's molar volume solves the pressure P at T, its
// density is the mass of its shown composition over that volume, and each
// component has one fugacity in both phases, as far as the 7 digits shown tell.
inline void ExpectPhasesInEquilibrium(fw::Window& w, double T, double P) {
  const QStringList names = {"H2O", "CO2", "CH4", "NaCl", "KCl"};
  for (const std::string phase : {"X", "Y"}) {
    SCOPED_TRACE("phase " + phase);
    const fw::Listbox& rows = w.List("ListBoxPhase" + phase + "1");
    Globals::Composition x{};
    for (int row = 0; row < rows.ListCount(); ++row)
      x.at(names.indexOf(rows.Cell(row, 0))) = Val(rows.Cell(row, 1));
    double mass = 0;
    for (int i = 0; i < 5; ++i) mass += x[i] * Globals::MolarMass[i];
    const double Vm = Val(w.List("ListBoxVm" + phase).Cell(0, 0));
    EXPECT_NEAR(Val(w.List("ListBoxD" + phase).Cell(0, 0)), mass / Vm, 1e-5 * mass / Vm);
    EXPECT_NEAR(Globals::Pressure(x, T, Vm), P, 1e-4 * P);
  }
  const fw::Listbox& X = w.List("ListBoxPhaseX2");
  const fw::Listbox& Y = w.List("ListBoxPhaseY2");
  const int rows = w.List("ListBoxPhaseX1").ListCount();
  EXPECT_EQ(std::tuple(w.List("ListBoxPhaseY1").ListCount(), X.ListCount(), Y.ListCount()),
            std::tuple(rows, rows, rows)) << "a row a component in every list";
  for (int row = 0; row < X.ListCount(); ++row)
    EXPECT_NEAR(Val(X.Cell(row, 1)), Val(Y.Cell(row, 1)), 1e-5 * Val(X.Cell(row, 1))) << row;
}

// Keeps the phase state of the shared fluid state (K-values, phase
// compositions, salt percentages) as it was.
struct PhaseStateKept {
  ~PhaseStateKept() {
    std::tie(Globals::K_liq_vap, Globals::xgas, Globals::ygas, Globals::ASnumber) = saved;
  }
  std::tuple<Globals::Composition, Globals::Composition, Globals::Composition, Globals::Composition>
      saved{Globals::K_liq_vap, Globals::xgas, Globals::ygas, Globals::ASnumber};
};

template <class W>
class EquilibriumDriving : public Driving<W> {
 protected:
  fw::Listbox& ListOf(const char* name) { return this->w.List(name); }
  bool Shows(const char* control) { return this->w.ControlByName(control).Visible(); }
  PhaseStateKept kept_;
};

}  // namespace equilibrium_driving
