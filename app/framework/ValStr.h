// Texts to numbers and back, the same whatever the user's locale: the point
// is always the decimal separator.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include <QString>

namespace fw {

// Magnitudes a typed number may have besides 0. The windows form products
// and quotients of up to three typed numbers with constants (the density
// M/V, the ideal-gas temperature P·V/R, the molalities 1000·w/(w_H2O·M));
// inside these bounds such a value lies within 1e-300 to 1e300,
// well inside the range of Double (2.2e-308 to 1.8e308), so the windows' own
// arithmetic on typed numbers never overflows nor sinks into subnormals.
// Beyond them (1e-320 K, 1e308 K, a molar volume of 2.2e-308) a typed number
// is one no calculation can carry, and it reads as no number at all. Where
// the equation of state itself overflows at an extreme state it can be
// given (below about 5e-7 K, say), that is a result: see IsShowable.
inline constexpr double kSmallestTypedMagnitude = 1e-100;
inline constexpr double kLargestTypedMagnitude = 1e100;

// The number the whole text holds (blanks around it allowed): an optional
// sign, digits with at most one point, an optional exponent, and either 0 or
// a magnitude within the bounds above. Anything else (empty, "1,5", "12abc",
// "inf", "nan", "1e-320", "1e308") gives nothing.
std::optional<double> ParseNumber(const QString& text);

// ParseNumber's number, or 0 when the text holds none.
double Val(const QString& text);

// Seven significant digits in the shortest form ("300", "0.1",
// "1.234568e-05"); "0" for zero and minus zero. A value that is not a finite
// number has no text: the empty text, so that no window ever shows "nan" or
// "inf" (see IsShowable).
QString Str(double value);
QString Str(std::int32_t value);

// Whether Str writes the values as numbers: whether all are finite. The
// calculations leave the range of Double only by overflow, to an infinity or
// to NaN where overflowed terms meet (inf - inf, 0·inf); a window shows such
// a result as kTooLargeToShow, or leaves it empty and says so.
template <class... Values>
bool IsShowable(Values... values) {
  return (std::isfinite(values) && ...);
}

// The reason a window gives for a result it does not show.
inline const QString kTooLargeToShow = "too large to show";

// The text of a result where the number stands alone, in a list cell or a
// line of a file: Str of a showable value, else kTooLargeToShow.
QString ResultText(double value);

}  // namespace fw
