#include "fluid/lowest_volume.h"

#include <cmath>

#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {
namespace {

// Co-volumes of the lower limit, cm3/mol.
//                                      H2O     CO2    CH4   NaCl     KCl
constexpr Composition kLimitCoVolume = {28.459, 49.52, 44.0, 60.0124, 81.783};

constexpr double kTwoPiAvogadro = 3.7838200831266955e24;  // per mol
constexpr double kPiAvogadro = 1.8919100415633478e24;     // per mol
constexpr double kOneThird = 0.3333333333333333;

// The contribution x·σ³ of one hard sphere of co-volume b, with the diameter σ
// in cm as the repulsive term forms it.
double cubedDiameterShare(double x, double b) {
  const double sigma = std::pow(3 * b / kTwoPiAvogadro, kOneThird);
  return x * sigma * sigma * sigma;
}

// A quarter of the mixture co-volume, the close-packing volume.
double quarterCoVolume(double sumXSigma3) { return sumXSigma3 * kPiAvogadro * 2 / 3 / 4; }

}  // namespace

LowestVolumes LowestVolumesOf(const Composition& x) {
  double limitS3 = 0;
  double repulsiveS3 = 0;
  for (int i = 0; i < 5; ++i) {
    limitS3 += cubedDiameterShare(x[i], kLimitCoVolume[i]);
    repulsiveS3 += cubedDiameterShare(x[i], b_ind(i));
    RuntimeBackgroundTask();
  }
  return {quarterCoVolume(limitS3), quarterCoVolume(repulsiveS3)};
}

double Vlimit(const Composition& x) { return LowestVolumesOf(x).limit; }

}  // namespace Globals
