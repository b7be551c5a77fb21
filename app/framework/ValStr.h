// Texts to numbers and back, the same whatever the user's locale: the point
// is always the decimal separator.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace fw {

// The number the whole text holds (blanks around it allowed): an optional
// sign, digits with at most one point, an optional exponent. Anything else
// (empty, "1,5", "12abc", "inf", "nan", a number beyond the range of Double)
// gives nothing.
std::optional<double> ParseNumber(const QString& text);

// ParseNumber's number, or 0 when the text holds none.
double Val(const QString& text);

// Seven significant digits in the shortest form ("300", "0.1",
// "1.234568e-05"); "0" for zero and minus zero.
QString Str(double value);
QString Str(std::int32_t value);

}  // namespace fw
