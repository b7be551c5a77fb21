// The shared fluid state and the component constants.
#include "fluid/Globals.h"

namespace Globals {

Composition fraction{}, ASnumber{}, MASSnumber{}, Mnumber{};
Composition Ttrip{}, Tcrit{}, Pcrit{}, Vcrit{}, Acentric{};
Composition dGrep{}, dGdip{}, dGper{};
Composition Coefficient{}, Fugacity{}, Activity{};
Composition K_liq_vap{}, xgas{}, ygas{};

double TK_global = 0;
double PMPa_global = 0;
double Vm_global = 0;
double Vexcess = 0;

namespace {
// Start-up creates the arrays in this order and shut-down releases them in the
// same order; the scalars are not touched.
const std::array<Composition*, 18> sharedArraysInLifecycleOrder = {
    &fraction, &Tcrit, &Pcrit, &Vcrit, &Fugacity, &Coefficient,
    &Activity, &Ttrip, &K_liq_vap, &xgas, &ygas, &dGrep,
    &dGdip, &dGper, &ASnumber, &MASSnumber, &Mnumber, &Acentric};

void resetAll() {
  for (Composition* array : sharedArraysInLifecycleOrder) *array = Composition{};
}
}  // namespace

void InitializeSharedArrays() { resetAll(); }
void FinalizeSharedArrays() { resetAll(); }

void CriticalValues() {
  // Each array is filled completely before it is assigned, so a property
  // never holds a half-filled set.
  //                                H2O       CO2        CH4       NaCl     KCl
  const Composition triple       = {273.16,   216.592,   90.6941,  1073.85, 1000.0};
  const Composition critical     = {647.096,  304.128,   190.564,  3841.0,  3800.0};
  const Composition criticalP    = {22.064,   7.3773,    4.5922,   18.2,    18.0};
  const Composition criticalV    = {56.0,     94.118905, 98.628,   80.0,    80.0};
  const Composition acentric     = {0.344,    0.225,     0.008,    0,       0};
  Ttrip = triple;
  Tcrit = critical;
  Pcrit = criticalP;
  Vcrit = criticalV;
  Acentric = acentric;
}

// Co-volumes of the three equation-of-state terms, cm3/mol. The lowest
// admissible volume (Vlimit) keeps its own table with H2O 28.459.
double b_ind(int32_t i) {
  switch (i) {
    case 0: return 28.4959;
    case 1: return 49.52;
    case 2: return 44.0;
    case 3: return 60.0124;
    case 4: return 81.783;
    default: return 0;
  }
}

// Dipole moments, Debye.
double mu_ind(int32_t i) {
  switch (i) {
    case 0: return 1.85;
    case 1: return 0;
    case 2: return 0;
    case 3: return 6.4;
    case 4: return 7.3;
    default: return 0;
  }
}

}  // namespace Globals
