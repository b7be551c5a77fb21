#include "calc/equilibria/equilibrium_types.h"

#include "app/framework/ValStr.h"

namespace equilibria {

double TypedKelvin(TemperatureUnit unit, const QString& text) {
  const double typed = fw::Val(text);
  return unit == TemperatureUnit::Celsius ? typed + 273.15 : typed;
}

}  // namespace equilibria
