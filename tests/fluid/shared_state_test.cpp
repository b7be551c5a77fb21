#include <gtest/gtest.h>

#include "fluid/Globals.h"

namespace {

TEST(SharedState, StartUpLeavesEveryArrayAndScalarZero) {
  Globals::Tcrit = {1, 2, 3, 4, 5};
  Globals::Vexcess = 0;
  Globals::InitializeSharedArrays();
  for (const Globals::Composition* a :
       {&Globals::fraction, &Globals::ASnumber, &Globals::MASSnumber, &Globals::Mnumber,
        &Globals::Ttrip, &Globals::Tcrit, &Globals::Pcrit, &Globals::Vcrit,
        &Globals::Acentric, &Globals::dGrep, &Globals::dGdip, &Globals::dGper,
        &Globals::Coefficient, &Globals::Fugacity, &Globals::Activity,
        &Globals::K_liq_vap, &Globals::xgas, &Globals::ygas}) {
    EXPECT_EQ(*a, Globals::Composition{});
  }
  EXPECT_EQ(Globals::TK_global, 0.0);
  EXPECT_EQ(Globals::PMPa_global, 0.0);
  EXPECT_EQ(Globals::Vm_global, 0.0);
}

TEST(SharedState, ComponentConstantsAndOutOfRangeIndices) {
  struct Case { int i; double b; double mu; };
  const Case cases[] = {
      {0, 28.4959, 1.85}, {1, 49.52, 0}, {2, 44.0, 0}, {3, 60.0124, 6.4},
      {4, 81.783, 7.3},   {5, 0, 0},     {-1, 0, 0},   {9, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(Globals::b_ind(c.i), c.b) << "component " << c.i;
    EXPECT_EQ(Globals::mu_ind(c.i), c.mu) << "component " << c.i;
  }
}

TEST(SharedState, CriticalValuesFillsTheFiveConstantArrays) {
  Globals::InitializeSharedArrays();
  Globals::CriticalValues();
  const Globals::Composition before = Globals::Tcrit;
  Globals::CriticalValues();
  EXPECT_EQ(before, Globals::Tcrit);
  EXPECT_EQ(Globals::Tcrit[0], 647.096);
  EXPECT_EQ(Globals::Pcrit[0], 22.064);
  EXPECT_EQ(Globals::Ttrip[2], 90.6941);
  EXPECT_EQ(Globals::Vcrit[1], 94.118905);
  EXPECT_EQ(Globals::Vcrit[3], 80.0);
  EXPECT_EQ(Globals::Vcrit[4], 80.0);
  EXPECT_EQ(Globals::Acentric[3], 0.0);
  EXPECT_EQ(Globals::Acentric[4], 0.0);
  EXPECT_EQ(Globals::Acentric[0], 0.344);
}

}  // namespace
