// The temperature unit radios "Kelvin" and "Celsius" that the molar-volume,
// pressure, temperature, fugacity, activity and quartz windows share in name
// and meaning.
#pragma once

#include <optional>
#include <string_view>

#include <QString>

#include "app/framework/Window.h"

namespace pvt {

// The temperature typed as `text`, in K, read in the unit whose radio is on;
// nothing with neither on. Text without a number reads as 0 in that unit.
std::optional<double> KelvinInUnitOn(const fw::Window& w, const QString& text);

// Globals::TK_global takes the temperature typed in "dataEntryT", in K, when a
// unit radio is on, and it is given back; with neither on it keeps its value.
std::optional<double> StoreTypedKelvin(const fw::Window& w);

// The temperature typed as `text`, in K: read in ˚C when the Celsius radio is
// on, else in K, also with neither radio on.
double KelvinUnlessCelsius(const fw::Window& w, const QString& text);

// The temperature typed as `text`, in K, read in the unit whose radio is on
// (0 with neither on). Nothing when the text holds no number: an empty field
// in ˚C must not pass as 0 ˚C.
std::optional<double> TypedKelvin(const fw::Window& w, const QString& text);

// Whether a typed temperature in K is one the equation of state can take:
// a number, above absolute zero.
inline bool IsPositiveKelvin(const std::optional<double>& T) { return T && *T > 0; }

// When the unit radio `radio` is on, `label` names its unit. Returns whether
// it is on.
bool NameUnitOf(const fw::Window& w, std::string_view radio, std::string_view label);

}  // namespace pvt
