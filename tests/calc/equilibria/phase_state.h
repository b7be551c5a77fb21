// Keeps the shared fluid state that the phase-equilibrium calculations read
// and write from leaking from one test into the next.
#pragma once

#include <gtest/gtest.h>

#include "fluid/Globals.h"

class PhaseStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Globals::CriticalValues();
    Globals::fraction = {};
    Globals::xgas = {};
    Globals::ygas = {};
    Globals::K_liq_vap = {};
    Globals::TK_global = 0;
    Globals::PMPa_global = 0;
    Globals::Vm_global = 0;
  }
  void TearDown() override { SetUp(); }
};

// Fluids of the tests, mole fractions in component order.
inline constexpr Globals::Composition kWaterCO2 = {0.9, 0.1, 0, 0, 0};
inline constexpr Globals::Composition kWaterCO2CH4 = {0.8, 0.1, 0.1, 0, 0};
inline constexpr Globals::Composition kBrine = {0.9, 0, 0, 0.06, 0.04};
