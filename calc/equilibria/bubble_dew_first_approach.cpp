#include "calc/equilibria/bubble_dew_first_approach.h"

#include "app/framework/ValStr.h"
#include "calc/equilibria/phase_split.h"

namespace equilibria {

BubbleDewApproach BubbleDewFirstApproach(const BubbleDewApproachInput& input) {
  BubbleDewApproach shown;
  // Raoult mode (0 bubble point, 1 dew point) and vapour mole fraction of the
  // start split alike.
  const int32_t m = input.bulk == BulkPhase::Vapour ? 1 : 0;
  if (input.mode == HomogenizationMode::Temperature) {
    if (!input.temperature) {
      shown.refusal = kPutTemperature;
      return shown;
    }
    Globals::TK_global = *input.temperature;
    Globals::PMPa_global = Globals::RaoultPressure(Globals::fraction, Globals::TK_global, m);
    // The Raoult pressure overestimates; the search starts from half of it.
    shown.start = fw::Str(Globals::PMPa_global / 2.0);
  } else {
    const std::optional<double> P = fw::ParseNumber(input.pressureText);
    if (!P) {
      shown.refusal = kPutPressure;
      return shown;
    }
    Globals::TK_global = kStartTemperature;
    shown.start = fw::Str(Globals::TK_global);
    Globals::PMPa_global = *P;
  }
  const Composition K = Globals::WilsonDistribution(Globals::TK_global, Globals::PMPa_global);
  Globals::K_liq_vap = K;
  const Composition z = Globals::fraction;
  RachfordRiceSplit(z, K, m, Globals::xgas, Globals::ygas);
  return shown;
}

}  // namespace equilibria
