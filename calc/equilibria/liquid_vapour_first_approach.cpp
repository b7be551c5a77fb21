#include "calc/equilibria/liquid_vapour_first_approach.h"

#include "app/framework/ValStr.h"
#include "calc/equilibria/phase_split.h"

namespace equilibria {

LiquidVapourApproach LiquidVapourFirstApproach(const std::optional<double>& temperature) {
  LiquidVapourApproach shown;
  if (!temperature) {
    shown.refusal = kPutTemperature;
    return shown;
  }
  // The fluid of this approach: the Raoult pressures yield, and a fluid
  // accepted meanwhile must not mix in.
  const Composition z = Globals::fraction;
  const double T = *temperature;
  Globals::TK_global = T;
  // One value: the start vapour fraction, the weight of the pressure mean
  // and the vapour mole fraction of the start split.
  const double f = 0.5;
  shown.startFraction = fw::Str(f);
  const double Pb = Globals::RaoultPressure(z, T, 0);
  const double Pd = Globals::RaoultPressure(z, T, 1);
  const double P0 = f * (Pb + Pd);
  shown.startPressure = fw::Str(P0);
  shown.K = Globals::WilsonDistribution(T, P0);
  Globals::K_liq_vap = shown.K;
  RachfordRiceSplit(z, shown.K, f, Globals::xgas, Globals::ygas);
  return shown;
}

}  // namespace equilibria
