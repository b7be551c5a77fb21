// The fluid property library: the Duzoror–Vozira equation of state of
// H2O–CO2–CH4–NaCl–KCl fluids, its solvers, the auxiliary correlations and the
// shared fluid state that every window reads and writes.
//
// Units throughout: T in K, P in MPa, V in cm3/mol, density in g/cm3,
// Helmholtz energy in J/mol. Components are always indexed
// 0 H2O, 1 CO2, 2 CH4, 3 NaCl, 4 KCl.
//
// The library raises nothing: invalid input and failed iterations give 0 or
// neutral values, which callers test for. Every long loop calls
// RuntimeBackgroundTask() once per pass (see fluid/RuntimeBackgroundTask.h).
#pragma once

#include <array>
#include <cstdint>

namespace Globals {

// Five per-component values in component order (mole fractions, constants or
// per-component results).
using Composition = std::array<double, 5>;

// Roots of a monic cubic: row 0 real parts, row 1 imaginary parts. Three real
// roots stand in the column order 2 largest, 0 middle, 1 smallest; a single
// real root always stands in column 0.
using CubicRoots = std::array<std::array<double, 3>, 2>;

constexpr double R = 8.314472;  // gas constant, J/(mol·K)

// ---- Shared fluid state -------------------------------------------------

extern Composition fraction;     // mole fractions of the defined fluid
extern Composition ASnumber;     // amount-of-substance per cent
extern Composition MASSnumber;   // mass per cent
extern Composition Mnumber;      // molality, mol per kg H2O
extern Composition Ttrip;        // triple-point temperature, K
extern Composition Tcrit;        // critical temperature, K
extern Composition Pcrit;        // critical pressure, MPa
extern Composition Vcrit;        // critical molar volume, cm3/mol
extern Composition Acentric;     // acentric factor
extern Composition dGrep;        // d(n·A_rep/RT)/dn_i of the last term-mode-2 call
extern Composition dGdip;        // the same for the dipolar term
extern Composition dGper;        // the same for the perturbation term
extern Composition Coefficient;  // fugacity coefficients of the last Fugacities call
extern Composition Fugacity;     // fugacities, MPa
extern Composition Activity;     // activities (activity window)
extern Composition K_liq_vap;    // liquid/vapour distribution coefficients
extern Composition xgas;         // composition of phase X
extern Composition ygas;         // composition of phase Y

extern double TK_global;    // K
extern double PMPa_global;  // MPa
extern double Vm_global;    // cm3/mol
extern double Vexcess;      // cm3/mol

// Start-up: the 18 arrays become all-zero, in the fixed start-up order.
void InitializeSharedArrays();
// Shut-down: the 18 arrays are reset in the same order.
void FinalizeSharedArrays();

// ---- Component constants ------------------------------------------------

void CriticalValues();       // fills Ttrip, Tcrit, Pcrit, Vcrit, Acentric
double b_ind(int32_t i);     // co-volume, cm3/mol; 0 outside 0..4
double mu_ind(int32_t i);    // dipole moment, Debye; 0 outside 0..4

constexpr Composition MolarMass = {18.01528, 44.0098, 16.04276, 58.462468, 74.57143};  // g/mol

// ---- Equation of state --------------------------------------------------
// Term modes: 0 share of Z; 1 Helmholtz energy in J/mol; 2 share of Z and the
// per-component derivatives written into dGrep / dGdip / dGper.

double Repulsive(int32_t mode, const Composition& x, double T, double V);
double Dipole(int32_t mode, const Composition& x, double T, double V);
double Perturbation(int32_t mode, const Composition& x, double T, double V);

double Compressibility(const Composition& x, double T, double V);
double Pressure(const Composition& x, double T, double V);
double Vlimit(const Composition& x);
double Density(const Composition& x, double V);

// Writes Coefficient and Fugacity.
void Fugacities(const Composition& x, double T, double P, double V);

// ---- Solvers and first approaches --------------------------------------

double Volume(const Composition& x, double T, double P, double Vstart);
double Temperature(const Composition& x, double P, double V, double Tstart);
double Volume_Approach(int32_t mode, const Composition& x, double T, double P);

// ---- Auxiliary correlations ---------------------------------------------

CubicRoots CubicEquation(double a, double b, double c);
double Volume_Holloway(int32_t mode, const Composition& x, double T, double P);
double SaturationPressure(int32_t i, double T);
double RaoultPressure(const Composition& x, double T, int32_t mode);
Composition WilsonDistribution(double T, double P);
double VH2O_Akinfiev(int32_t variant, const Composition& x, double Vm);
double mSiO2_Akinfiev(double xH2O, double TK, double VH2O);
double Mass_Hall87(double TK, double w);
double Sorvik_Molefraction(int32_t curve, double TK, double r);
double Sorvik_Cotectic(int32_t line, double TK);
double Sorvik_Pressure(int32_t curve, double xH2O, double xNaCl, double xKCl, double TK);
double Sorvik_Pressure650(int32_t curve, double xH2O, double xNaCl, double xKCl);

}  // namespace Globals
