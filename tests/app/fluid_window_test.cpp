// The real "Fluid" window driven as a user would, key by key. The expected
// values are written with the grouping of each step and compared bit for bit.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "app/procedures_window.h"
#include "fluid/Globals.h"

namespace {

using Globals::ASnumber;
using Globals::Composition;
using Globals::MASSnumber;
using Globals::Mnumber;
using fw::Str;

constexpr double kWater = 55.508435061791985;  // mol H2O in 1 kg H2O

// Per component (H2O, CO2, CH4, NaCl, KCl): its entry and its cells of the
// "Recalculated Composition"; H2O has no molality cell.
struct Component {
  const char *entry, *mass, *amount, *molality;
};
constexpr Component kComponents[5] = {
    {"dataEntry1", "massH2O", "asH2O", nullptr},      {"dataEntry2", "massCO2", "asCO2", "molCO2"},
    {"dataEntry3", "massCH4", "asCH4", "molCH4"},     {"dataEntry4", "massNaCl", "asNaCl", "molNaCl"},
    {"dataEntry5", "massKCl", "asKCl", "molKCl"}};

// Keys typed into the entry of component k ('\b' is Backspace), after what
// it holds or, with home, before it.
struct Keys {
  int k;
  const char* text;
  bool home = false;
};

class FluidWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Reopen(); }
  void TearDown() override {
    fw::ReleaseAllWindows();
    Globals::FinalizeSharedArrays();
  }
  // A new window on new shared arrays, in the given unit.
  void Reopen(std::string_view unit = "Mass") {
    fw::ReleaseAllWindows();
    Globals::InitializeSharedArrays();
    window = &Start2Window::Instance();
    if (unit != "Mass") Click(unit);
  }
  QString Entry(int k) { return window->Field(kComponents[k].entry).Text(); }
  QString Shown(const char* label) { return window->Label(label).Text(); }
  void Type(const std::vector<Keys>& typing) {
    for (const Keys& keys : typing) {
      QLineEdit* edit = window->Field(kComponents[keys.k].entry).LineEdit();
      if (keys.home) edit->home(false);
      QTest::keyClicks(edit, keys.text);
    }
  }
  // Clicks the radio's round indicator, at its left end.
  void Click(std::string_view radio) {
    QRadioButton* button = window->Radio(radio).Button();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
  }
  void PressButton(const char* name) { QTest::mouseClick(window->Button(name).Button(), Qt::LeftButton); }
  // The shared arrays, and the cells of each component while its mass per
  // cent is positive.
  void ExpectComposition(const Composition& mass, const Composition& amount, const Composition& molality) {
    EXPECT_EQ(MASSnumber, mass);
    EXPECT_EQ(ASnumber, amount);
    EXPECT_EQ(Mnumber, molality);
    for (int i = 0; i < 5; ++i) {
      const bool shown = mass[i] > 0;
      EXPECT_EQ(Shown(kComponents[i].mass), shown ? Str(mass[i]) : "") << i;
      EXPECT_EQ(Shown(kComponents[i].amount), shown ? Str(amount[i]) : "") << i;
      if (i > 0) {
        EXPECT_EQ(Shown(kComponents[i].molality), shown ? Str(molality[i]) : "") << i;
      }
    }
  }

  // "continue" with the mole fractions preset: accepted, it stores the given
  // ones and opens "Procedures"; refused, it changes nothing and shows the
  // message until the next edit.
  void ExpectContinue(bool accepted, const Composition& fraction) {
    const Composition untouched = {9, 9, 9, 9, 9};
    Globals::fraction = untouched;
    PressButton("continue2");
    EXPECT_EQ(Start3Window::OpenInstanceOf() != nullptr, accepted);
    EXPECT_EQ(Globals::fraction, accepted ? fraction : untouched);
    EXPECT_EQ(Shown("Sum"), accepted ? "" : "sum ≠ 100%, adjust fractions!");
    Type({{2, "0"}});
    EXPECT_EQ(Shown("Sum"), "") << "an edit empties the message";
  }

  Start2Window* window = nullptr;
};

struct Conversion {
  const char* name;
  const char* unit;  // the radio on while typing
  std::vector<Keys> typing;
  bool accepted;  // by "continue", storing the mole fractions as %/100
  Composition mass, amount, molality;
};

// The sums and factors of the worked cases, in the grouping of the conversion.
// Mass per cent: mol in 100 g; kg of fluid per kg of water, times 10.
const double q80 = (((80 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 10 / 58.462468) + 10 / 74.57143;
const double f80 = 1000.0 / 80;
const double q10 = (((10 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 9 / 58.462468) + 0 / 74.57143;
const double f10 = 1000.0 / 10;
// Amount per cent: g in 100 mol.
const double g90 = (((90 * 18.01528 + 10 * 44.0098) + 0 * 16.04276) + 0 * 58.462468) + 0 * 74.57143;
const double w0 = ((90.0 * 100) * 18.01528) / g90, w1 = ((10.0 * 100) * 44.0098) / g90;
const double g10 = (((10 * 18.01528 + 0 * 44.0098) + 0 * 16.04276) + 0 * 58.462468) + 0 * 74.57143;
const double w10 = ((10.0 * 100) * 18.01528) / g10;
const double g120 = (((120 * 18.01528 + -20 * 44.0098) + 0 * 16.04276) + 0 * 58.462468) + 0 * 74.57143;
const double w120 = ((120.0 * 100) * 18.01528) / g120, w20 = ((-20.0 * 100) * 44.0098) / g120;
// Water alone, its amount at the upper bound of "continue" and just below the lower one.
const double wUp = ((100.000001 * 100) * 18.01528) / (100.000001 * 18.01528);
const double wLow = ((99.9999989 * 100) * 18.01528) / (99.9999989 * 18.01528);
// Molality: g of fluid per kg of water; mol per kg of water. "-3" and "-6"
// still gave a positive mass, "-30" and "-60" do not.
const double gNaCl = 1000 + 1 * 58.462468, gCO2 = 1000 + -3 * 44.0098, gCO2b = 1000 + -6 * 44.0098;
const double gMix = (((1000 + 0 * 44.0098) + 1.2 * 16.04276) + 0 * 58.462468) + 2.7 * 74.57143;
const double sMix = (((kWater + 0) + 1.2) + 0) + 2.7;

const Conversion kConversions[] = {
    {"mass % of water and both salts", "Mass", {{0, "80"}, {3, "10"}, {4, "10"}}, true, {80, 0, 0, 10, 10},
     {((80 / 18.01528) * 100) / q80, 0, 0, ((10 / 58.462468) * 100) / q80, ((10 / 74.57143) * 100) / q80},
     {(80 * f80) / 18.01528, 0, 0, (10 * f80) / 58.462468, (10 * f80) / 74.57143}},
    {"mass % without water: no molalities", "Mass", {{1, "50"}}, false, {0, 50, 0, 0, 0}, {0, 100, 0, 0, 0}, {}},
    // Water of 1e-308 % would give molalities beyond any Double: it is no number.
    {"too little water to carry", "Mass", {{0, "1e-308"}, {1, "0.001"}}, false, {0, 0.001, 0, 0, 0},
     {0, 100, 0, 0, 0}, {}},
    {"negative water alone", "Mass", {{0, "-5"}}, false, {-5, 0, 0, 0, 0}, {}, {}},
    // "-10" at once: amounts and molalities keep the values of 10 % water.
    {"water mass turned negative", "Mass", {{0, "10"}, {3, "9"}, {0, "-", true}}, false, {-10, 0, 0, 9, 0},
     {((10 / 18.01528) * 100) / q10, 0, 0, ((9 / 58.462468) * 100) / q10, 0},
     {(10 * f10) / 18.01528, 0, 0, (9 * f10) / 58.462468, 0}},
    {"as % of water and carbon dioxide", "Mole", {{0, "90"}, {1, "10"}}, true, {w0, w1, 0, 0, 0}, {90, 10, 0, 0, 0},
     {(w0 * (1000 / w0)) / 18.01528, (w1 * (1000 / w0)) / 44.0098, 0, 0, 0}},
    {"as % of a trace of carbon dioxide alone", "Mole", {{1, "0.01"}}, false,
     {0, ((0.01 * 100) * 44.0098) / (0.01 * 44.0098), 0, 0, 0}, {0, 0.01, 0, 0, 0}, {}},
    {"erased amount keeps the last mass %", "Mole", {{1, "10\b\b"}}, false, {0, 100, 0, 0, 0}, {}, {}},
    {"as % with a negative mass: mass % kept", "Mole", {{0, "10"}, {1, "-5"}}, false, {w10, 0, 0, 0, 0},
     {10, -5, 0, 0, 0}, {(w10 * (1000 / w10)) / 18.01528, 0, 0, 0, 0}},
    {"negative as % summing to 100", "Mole", {{0, "120"}, {1, "-20"}}, true, {w120, w20, 0, 0, 0},
     {120, -20, 0, 0, 0}, {(w120 * (1000 / w120)) / 18.01528, (w20 * (1000 / w120)) / 44.0098, 0, 0, 0}},
    {"as % at the upper bound: accepted", "Mole", {{0, "100.000001"}}, true, {wUp, 0, 0, 0, 0},
     {100.000001, 0, 0, 0, 0}, {(wUp * (1000 / wUp)) / 18.01528, 0, 0, 0, 0}},
    {"as % just below the lower bound: refused", "Mole", {{0, "99.9999989"}}, false, {wLow, 0, 0, 0, 0},
     {99.9999989, 0, 0, 0, 0}, {(wLow * (1000 / wLow)) / 18.01528, 0, 0, 0, 0}},
    {"molality: water is the preset whatever is typed", "Molality", {{0, "7"}}, true, {100, 0, 0, 0, 0},
     {100, 0, 0, 0, 0}, {kWater, 0, 0, 0, 0}},
    {"molality of sodium chloride", "Molality", {{3, "1"}}, true,
     {(kWater * 1801.528) / gNaCl, 0, 0, (1 * 5846.2468) / gNaCl, 0},
     {(kWater * 100) / (kWater + 1), 0, 0, 100 / (kWater + 1), 0}, {kWater, 0, 0, 1, 0}},
    {"negative molality", "Molality", {{1, "-30"}}, true,
     {(kWater * 1801.528) / gCO2, (-3 * 4400.98) / gCO2, 0, 0, 0},
     {(kWater * 100) / (kWater + -30), (-30.0 * 100) / (kWater + -30), 0, 0, 0}, {kWater, -30, 0, 0, 0}},
    {"molalities summing below zero: mass % and as % kept", "Molality", {{1, "-60"}}, false,
     {(kWater * 1801.528) / gCO2b, (-6 * 4400.98) / gCO2b, 0, 0, 0},
     {(kWater * 100) / (kWater + -6), (-6.0 * 100) / (kWater + -6), 0, 0, 0}, {kWater, -60, 0, 0, 0}},
    {"molality of methane and potassium chloride", "Molality", {{2, "1.2"}, {4, "2.7"}}, true,
     {(kWater * (100.0 * 18.01528)) / gMix, 0, (1.2 * (100.0 * 16.04276)) / gMix, 0, (2.7 * (100.0 * 74.57143)) / gMix},
     {(kWater * 100) / sMix, 0, (1.2 * 100) / sMix, 0, (2.7 * 100) / sMix}, {kWater, 0, 1.2, 0, 2.7}},
};

TEST_F(FluidWindowTest, TypedEntriesFillTheArraysAndTheRecalculatedCompositionAndContinueJudgesThem) {
  for (const Conversion& c : kConversions) {
    SCOPED_TRACE(c.name);
    Reopen(c.unit);
    Type(c.typing);
    ExpectComposition(c.mass, c.amount, c.molality);
    if (std::string_view(c.unit) == "Molality") {
      EXPECT_EQ(Entry(0), Str(kWater));
    }
    Composition fraction;
    for (int i = 0; i < 5; ++i) fraction[i] = c.amount[i] / 100;
    ExpectContinue(c.accepted, fraction);
  }
}

// All five components, typed in each unit as the first unit gave them: every
// unit gives back the others to rounding, the amounts are the moles of the
// masses, and each accepts them as a whole composition.
TEST_F(FluidWindowTest, FiveComponentsGoRoundEveryUnit) {
  const Composition mass = {60, 10, 10, 10, 10};
  Composition amount, molality;
  double moles = 0;
  for (int i = 0; i < 5; ++i) moles += mass[i] / Globals::MolarMass[i];
  for (int i = 0; i < 5; ++i) {
    amount[i] = 100 * mass[i] / Globals::MolarMass[i] / moles;
    molality[i] = 1000 * mass[i] / mass[0] / Globals::MolarMass[i];
  }
  for (const auto& [unit, typed] : {std::pair("Mass", mass), {"Mole", amount}, {"Molality", molality}}) {
    Reopen(unit);
    for (int i = unit == std::string_view("Molality"); i < 5; ++i)
      Type({{i, QByteArray::number(typed[i], 'g', 17).constData()}});
    Composition fraction;
    for (int i = 0; i < 5; ++i) {
      fraction[i] = ASnumber[i] / 100;
      const double off = std::abs(MASSnumber[i] - mass[i]) + std::abs(ASnumber[i] - amount[i]);
      EXPECT_LT(off + std::abs(Mnumber[i] - molality[i]), 1e-11) << unit << ", component " << i;
    }
    ExpectContinue(true, fraction);
  }
}

// A new window, a unit turned on and the clear button all leave the window
// empty in its unit, with the water preset in molality. Turning molality on
// writes that preset into the H2O entry, which converts it as if typed.
TEST_F(FluidWindowTest, NewUnitAndClearStartAfresh) {
  const char* radios[] = {"Mass", "Mole", "Molality"};
  const char* labels[] = {"mass %", "as %", "mole / kg H2O"};
  const auto expectFresh = [&](int unit, bool pureWater) {
    for (int u = 0; u < 3; ++u) EXPECT_EQ(window->Radio(radios[u]).Value(), u == unit) << radios[u];
    EXPECT_EQ(Shown("StaticText1"), labels[unit]);
    EXPECT_EQ(Entry(0), unit == 2 ? Str(kWater) : "");
    for (int i = 1; i < 5; ++i) EXPECT_EQ(Entry(i), "") << i;
    EXPECT_EQ(Shown("Sum"), "");
    const double w = pureWater ? 100 : 0;
    ExpectComposition({w, 0, 0, 0, 0}, {w, 0, 0, 0, 0}, {pureWater ? kWater : 0, 0, 0, 0, 0});
  };
  expectFresh(0, false);
  Type({{0, "90"}});
  Click("Mass");
  EXPECT_EQ(Entry(0), "90") << "the radio that is on changes nothing";
  EXPECT_EQ(MASSnumber[0], 90);
  for (const int unit : {1, 2, 0}) {
    SCOPED_TRACE(radios[unit]);
    for (const bool clear : {false, true}) {
      Type({{0, "5"}, {1, "1"}, {2, "1"}, {3, "1"}, {4, "1"}});
      PressButton("continue2");
      if (clear) PressButton("Clear");
      else Click(radios[unit]);
      expectFresh(unit, !clear && unit == 2);
    }
  }
  // An erased amount leaves its last mass % shown with every entry empty: a
  // new unit empties the table all the same.
  Click("Mole");
  Type({{1, "10\b\b"}});
  Click("Mass");
  expectFresh(0, false);
}

}  // namespace
