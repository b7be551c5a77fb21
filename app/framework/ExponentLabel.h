// The raised exponents of unit texts: the small "3" label of "cm /mol" and
// "g/cm", a label of its own over the blank of its base text or after it.
//
// The designed places assume the widths of the original system font. Here the
// exponent follows the widths measured in the fonts in use: it sits just
// after the base text up to its first blank (all of it when there is none),
// and that blank is made as wide as the exponent and a pixel, so that the
// exponent touches neither "cm" nor the "/mol" after it. Both labels keep
// their designed tops and sizes; the base label is left-aligned.
#pragma once

#include <string_view>
#include <vector>

namespace fw {

class StaticText;

// An exponent label and the label whose text it raises to a power, by name.
struct ExponentLabel {
  std::string_view base;
  std::string_view exponent;
};
using ExponentLabels = std::vector<ExponentLabel>;

// Places the exponent after its base now, and again whenever either text
// changes.
void AttachExponent(StaticText& base, StaticText& exponent);

// Places the exponent after its base as described above.
void PlaceExponent(StaticText& base, StaticText& exponent);

}  // namespace fw
