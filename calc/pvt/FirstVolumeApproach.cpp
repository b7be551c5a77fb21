#include "calc/pvt/FirstVolumeApproach.h"

#include <cstdint>

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"

namespace pvt {

namespace {

// Modes of the modified Redlich-Kwong volume: of three real roots, the
// smallest (liquid-like) or the largest (vapour-like).
constexpr std::int32_t kSmallestRoot = 2;
constexpr std::int32_t kLargestRoot = 0;

}  // namespace

double AutomaticFirstVolume(const Globals::Composition& x, double T, double P) {
  const double V0 = Globals::Volume_Holloway(kSmallestRoot, x, T, P);
  if (!(V0 > 0)) return Globals::Volume_Holloway(kLargestRoot, x, T, P);
  return V0;
}

double ChosenFirstVolume(const fw::Window& w, const Globals::Composition& x, double T, double P) {
  double V0 = 0;
  if (w.Radio("Choice0").Value()) V0 = AutomaticFirstVolume(x, T, P);
  if (w.Radio("Choice1").Value()) V0 = fw::Val(w.Field("dataEntryV").Text());
  return V0;
}

void ResetFirstApproach(const fw::Window& w) {
  w.Radio("Choice0").SetValue(false);
  w.Radio("Choice1").SetValue(false);
  w.Field("dataEntryV").SetText("");
  w.Label("warning").SetText("");
}

}  // namespace pvt
