#include "calc/equilibria/bubble_dew_first_approach.h"

#include "app/framework/ValStr.h"
#include "calc/equilibria/phase_split.h"

namespace equilibria {

BubbleDewApproach BubbleDewFirstApproach(const BubbleDewApproachInput& input) {
  BubbleDewApproach shown;
  // Raoult mode (0 bubble point, 1 dew point) and vapour mole fraction of the
  // start split alike.
  const int32_t m = input.bulk == BulkPhase::Vapour ? 1 : 0;
  // The fluid, temperature and pressure of this approach are held here: the
  // Raoult pressure yields, and what is written meanwhile must not mix in.
  const Composition z = Globals::fraction;
  double T = 0;
  double P = 0;
  if (input.mode == HomogenizationMode::Temperature) {
    if (!input.temperature) {
      shown.refusal = kPutTemperature;
      return shown;
    }
    T = *input.temperature;
    Globals::TK_global = T;
    P = Globals::RaoultPressure(z, T, m);
    Globals::PMPa_global = P;
    // The Raoult pressure overestimates; the search starts from half of it.
    shown.start = fw::Str(P / 2.0);
  } else {
    const std::optional<double> typed = fw::ParseNumber(input.pressureText);
    if (!typed) {
      shown.refusal = kPutPressure;
      return shown;
    }
    T = kStartTemperature;
    Globals::TK_global = T;
    shown.start = fw::Str(T);
    P = *typed;
    Globals::PMPa_global = P;
  }
  const Composition K = Globals::WilsonDistribution(T, P);
  Globals::K_liq_vap = K;
  BubbleDewStart& state = shown.state;
  state.temperature = T;
  state.pressure = P;
  RachfordRiceSplit(z, K, m, state.x, state.y);
  Globals::xgas = state.x;
  Globals::ygas = state.y;
  return shown;
}

}  // namespace equilibria
