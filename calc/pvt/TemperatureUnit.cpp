#include "calc/pvt/TemperatureUnit.h"

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"

namespace pvt {

std::optional<double> TypedKelvin(const fw::Window& w, const QString& text) {
  if (!fw::ParseNumber(text)) return std::nullopt;
  double T = 0;
  if (w.Radio("Celsius").Value()) T = fw::Val(text) + 273.15;
  if (w.Radio("Kelvin").Value()) T = fw::Val(text);
  return T;
}

bool NameUnitOf(const fw::Window& w, std::string_view radio, std::string_view label) {
  if (!w.Radio(radio).Value()) return false;
  w.Label(label).SetText(radio == "Celsius" ? QString("\u02DACelsius") : QString("Kelvin"));
  return true;
}

}  // namespace pvt
