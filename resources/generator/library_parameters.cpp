#include "library_parameters.h"

#include <limits>

// Not yet connected to the library: the curves stay empty.
double SodiumChlorideA(double) { return std::numeric_limits<double>::quiet_NaN(); }
double WaterA(double) { return std::numeric_limits<double>::quiet_NaN(); }
double MethaneA(double) { return std::numeric_limits<double>::quiet_NaN(); }

#include <cmath>

double SodiumChlorideAWithoutLowTemperatureTerm(double T) {
  const double t = T / 100;
  return 13332237.0 * (1.081 + 0.4233 * std::exp(-0.4817 * std::pow(t - 8.959, 2)));
}
