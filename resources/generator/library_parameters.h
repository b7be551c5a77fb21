// The temperature functions of the perturbation term's parameter a, taken
// from the fluid library, in bar·cm6·mol-2 at T in K.
#pragma once

double SodiumChlorideA(double T);
double WaterA(double T);
double MethaneA(double T);

// The same a(NaCl) without its low-temperature correction: the form that
// tends to 13332237 · 1.081 = 14.412e6 at low temperature. Computed here, not
// by the library, for comparison in the note's figure.
double SodiumChlorideAWithoutLowTemperatureTerm(double T);
