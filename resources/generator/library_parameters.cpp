#include "library_parameters.h"

#include <cmath>

#include "fluid/perturbation_internal.h"

namespace {
double Attraction(Globals::perturbation::Component component, double T) {
  return Globals::perturbation::ComponentParametersAt(component, T).a;
}
}  // namespace

double SodiumChlorideA(double T) { return Attraction(Globals::perturbation::NaCl, T); }
double WaterA(double T) { return Attraction(Globals::perturbation::H2O, T); }
double MethaneA(double T) { return Attraction(Globals::perturbation::CH4, T); }

double SodiumChlorideAWithoutLowTemperatureTerm(double T) {
  const double t = T / 100;
  return 13332237.0 * (1.081 + 0.4233 * std::exp(-0.4817 * std::pow(t - 8.959, 2)));
}
