// Val and Str: the framework's number form, the same under any locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <utility>
#include <optional>

#include <QLocale>

#include "app/framework/ValStr.h"

namespace {

constexpr std::pair<double, const char*> kStrCases[] = {
    {300.0, "300"},        {0.1, "0.1"},           {1.234568e-05, "1.234568e-05"},
    {0.0, "0"},            {-0.0, "0"},            {0.0000123456789, "1.234568e-05"},
    {573.15, "573.15"},    {-273.15, "-273.15"},   {12345678.0, "1.234568e+07"},
    {1234567.0, "1234567"}, {0.0001, "0.0001"},    {0.00001, "1e-05"},
    {1.0 / 3.0, "0.3333333"}, {2.5e99, "2.5e+99"},  {1e100, "1e+100"},
    {55.508435061791985, "55.50844"},
};

// A value that is not a finite number has no text; a result says why instead.
TEST(ValStr, StrGivesSevenSignificantDigitsInTheShortestFormAndValReadsThemBack) {
  for (const auto& [value, text] : kStrCases) {
    EXPECT_EQ(fw::Str(value), text) << value;
    EXPECT_EQ(fw::Str(fw::Val(text)), text);
    EXPECT_EQ(fw::ResultText(value), text);
  }
  constexpr double inf = std::numeric_limits<double>::infinity();
  for (const double value : {inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(fw::Str(value), "") << value;
    EXPECT_EQ(fw::ResultText(value), "too large to show") << value;
  }
  EXPECT_EQ(fw::Str(std::int32_t{0}), "0");
  EXPECT_EQ(fw::Str(std::int32_t{-7}), "-7");
  EXPECT_EQ(fw::Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(ValStr, ValReadsTheWholeTextAsADecimalNumberOrGivesZero) {
  const std::pair<const char*, double> kNumbers[] = {
      {"573.15", 573.15}, {"  573.15 ", 573.15}, {"\t12\t", 12.0}, {"-273.15", -273.15},
      {"+5", 5.0},        {".5", 0.5},           {"5.", 5.0},        {"1e3", 1000.0},
      {"1.5E-3", 0.0015}, {"2e+2", 200.0},       {"0", 0.0},         {"-0", -0.0},
      {"1e100", 1e100},   {"-1e-100", -1e-100},
  };
  for (const auto& [text, number] : kNumbers) {
    EXPECT_EQ(fw::ParseNumber(text), number) << '"' << text << '"';
    EXPECT_EQ(fw::Val(text), number) << '"' << text << '"';
  }
  // Texts that hold no number, or one beyond the magnitudes a calculation
  // can carry.
  for (const char* text : {"", "   ", "1,5", "12abc", "abc", "1 2", "inf", "-inf", "nan",
                           "infinity", "0x10", "1e", "e5", ".", "-", "++1", "1.2.3", "1e400",
                           "-1e400", "1e-400", "\u00A0" "5", "1e-320", "2.2250738585072014e-308",
                           "1e308", "1.0000001e100", "-9.999999e-101"}) {
    EXPECT_EQ(fw::ParseNumber(QString::fromUtf8(text)), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(fw::Val(QString::fromUtf8(text)), 0.0) << '"' << text << '"';
  }
}

// Qt hands the user's locale to the C library; "0,5" must stay foreign and
// "0.5" a number all the same.
TEST(ValStr, StayTheSameUnderAGermanLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool hadEnvironment = qEnvironmentVariableIsSet("LC_ALL");
  const QByteArray savedEnvironment = qgetenv("LC_ALL");
  // As at start-up: the C library takes its locale from the environment.
  qputenv("LC_ALL", "de_DE.UTF-8");
  const bool german = std::setlocale(LC_ALL, "") != nullptr;
  if (hadEnvironment) qputenv("LC_ALL", savedEnvironment);
  else qunsetenv("LC_ALL");
  if (!german) GTEST_SKIP() << "de_DE.UTF-8 is not generated (scripts/ensure-packages.sh)";
  const QLocale savedQt;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");

  EXPECT_EQ(fw::Str(0.5), "0.5");
  EXPECT_EQ(fw::Str(1.234568e-05), "1.234568e-05");
  EXPECT_EQ(fw::Str(1234.5), "1234.5");
  EXPECT_EQ(fw::Val("0.5"), 0.5);
  EXPECT_EQ(fw::Val("0,5"), 0.0);
  EXPECT_EQ(fw::Val("1.234,5"), 0.0);
  EXPECT_EQ(fw::Val(" 573.15 "), 573.15);

  QLocale::setDefault(savedQt);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
