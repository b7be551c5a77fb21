// Val and Str: the framework's number form (std::to_chars and from_chars:
// no locale enters).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

#include "app/framework/ValStr.h"

namespace {

// Str gives seven significant digits in the shortest form, and Val reads the
// whole text as a decimal number or gives 0; a value that is not a finite
// number has no text, and a result says why instead.
TEST(ValStr, StrGivesSevenSignificantDigitsAndValReadsAWholeDecimalNumber) {
  constexpr std::pair<double, const char*> kStrCases[] = {
      {300.0, "300"},        {0.1, "0.1"},          {0.0, "0"},            {-0.0, "0"},
      {0.0000123456789, "1.234568e-05"},            {573.15, "573.15"},    {-273.15, "-273.15"},
      {12345678.0, "1.234568e+07"},                 {1234567.0, "1234567"}, {0.0001, "0.0001"},
      {0.00001, "1e-05"},    {1.0 / 3.0, "0.3333333"}, {2.5e99, "2.5e+99"}, {1e100, "1e+100"},
      {55.508435061791985, "55.50844"}};
  for (const auto& [value, text] : kStrCases) {
    EXPECT_EQ(fw::Str(value), text) << value;
    EXPECT_EQ(fw::ResultText(value), text);
  }
  for (const double value : {INFINITY, -INFINITY, NAN}) {
    EXPECT_EQ(fw::Str(value), "") << value;
    EXPECT_EQ(fw::ResultText(value), "too large to show") << value;
  }

  const std::pair<const char*, double> kNumbers[] = {
      {"  573.15 ", 573.15}, {"\t12\t", 12.0}, {"+5", 5.0},      {".5", 0.5},
      {"5.", 5.0},           {"1.5E-3", 0.0015}, {"2e+2", 200.0}, {"-1e-100", -1e-100}};
  for (const auto& [text, number] : kNumbers) EXPECT_EQ(fw::Val(text), number) << '"' << text << '"';
  // Texts that hold no number, or one beyond the magnitudes a calculation
  // can carry.
  for (const char* text : {"", "   ", "1,5", "12abc", "1 2", "inf", "-infinity", "nan", "e5",
                           "0x10", "1e", ".", "-", "++1", "1.2.3", "-1e400", "1e-400",
                           "\u00A0" "5", "1e-320", "1e308", "1.0000001e100", "-9.999999e-101"}) {
    EXPECT_EQ(fw::ParseNumber(QString::fromUtf8(text)), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(fw::Val(QString::fromUtf8(text)), 0.0) << '"' << text << '"';
  }
}

}  // namespace
