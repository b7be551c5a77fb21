#include "calc/equilibria/bubble_dew_first_approach.h"

#include "app/framework/ValStr.h"
#include "calc/equilibria/phase_split.h"

namespace equilibria {

QString BubbleDewFirstApproach(const BubbleDewApproachInput& input) {
  // Raoult mode (0 bubble point, 1 dew point) and vapour mole fraction of the
  // start split alike.
  const int32_t m = input.bulk == BulkPhase::Vapour ? 1 : 0;
  QString start;
  if (input.mode == HomogenizationMode::Temperature) {
    Globals::TK_global = TypedKelvin(input.unit, input.temperatureText);
    Globals::PMPa_global = Globals::RaoultPressure(Globals::fraction, Globals::TK_global, m);
    // The Raoult pressure overestimates; the search starts from half of it.
    start = fw::Str(Globals::PMPa_global / 2.0);
  } else {
    Globals::TK_global = kStartTemperature;
    start = fw::Str(Globals::TK_global);
    Globals::PMPa_global = fw::Val(input.pressureText);
  }
  const Composition K = Globals::WilsonDistribution(Globals::TK_global, Globals::PMPa_global);
  Globals::K_liq_vap = K;
  const Composition z = Globals::fraction;
  RachfordRiceSplit(z, K, m, Globals::xgas, Globals::ygas);
  return start;
}

}  // namespace equilibria
