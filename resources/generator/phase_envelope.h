// Liquid-vapour coexistence in H2O-NaCl computed with the fluid library's
// equation of state, for the figures of the equilibrium windows.
#pragma once

#include <vector>

struct CoexistingPair {
  double P;        // MPa
  double xLiquid;  // NaCl mole fraction of the liquid
  double xVapour;  // NaCl mole fraction of the vapour
};

// Bubble points at T (K) for liquids from `richest` NaCl mole fraction down,
// each started from the one before, until the two phases become alike (the
// critical region) or the NaCl fraction reaches `poorest`.
std::vector<CoexistingPair> SodiumChlorideBubblePoints(double T, double richest, double poorest);
