#include "calc/pvt/TemperatureUnit.h"

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "fluid/Globals.h"

namespace pvt {

std::optional<double> KelvinInUnitOn(const fw::Window& w, const QString& text) {
  std::optional<double> T;
  if (w.Radio("Celsius").Value()) T = fw::Val(text) + 273.15;
  if (w.Radio("Kelvin").Value()) T = fw::Val(text);
  return T;
}

std::optional<double> StoreTypedKelvin(const fw::Window& w) {
  const std::optional<double> T = KelvinInUnitOn(w, w.Field("dataEntryT").Text());
  if (T) Globals::TK_global = *T;
  return T;
}

double KelvinUnlessCelsius(const fw::Window& w, const QString& text) {
  if (w.Radio("Celsius").Value()) return fw::Val(text) + 273.15;
  return fw::Val(text);
}

std::optional<double> TypedKelvin(const fw::Window& w, const QString& text) {
  if (!fw::ParseNumber(text)) return std::nullopt;
  return KelvinInUnitOn(w, text).value_or(0);
}

bool NameUnitOf(const fw::Window& w, std::string_view radio, std::string_view label) {
  if (!w.Radio(radio).Value()) return false;
  w.Label(label).SetText(radio == "Celsius" ? QString("\u02DACelsius") : QString("Kelvin"));
  return true;
}

}  // namespace pvt
