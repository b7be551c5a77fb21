// The real "Fluid" window driven as a user would, key by key. The expected
// values are written with the grouping of each step and compared bit for bit.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

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
const QString kSumMessage = "sum ≠ 100%, adjust fractions!";

constexpr const char* kEntries[5] = {"dataEntry1", "dataEntry2", "dataEntry3", "dataEntry4", "dataEntry5"};
// The "Recalculated Composition" cells of each component; H2O has no molality cell.
struct Row {
  const char *mass, *amount, *molality;
};
constexpr Row kRows[5] = {{"massH2O", "asH2O", nullptr},
                          {"massCO2", "asCO2", "molCO2"},
                          {"massCH4", "asCH4", "molCH4"},
                          {"massNaCl", "asNaCl", "molNaCl"},
                          {"massKCl", "asKCl", "molKCl"}};

// Keys for one entry: typed after what it holds, before it, or Backspace
// until it is empty.
struct Keys {
  enum How { After, Before, Erase };
  const char* field;
  const char* text = "";
  How how = After;
};

class FluidWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Reopen(); }
  void TearDown() override {
    fw::ReleaseAllWindows();
    Globals::FinalizeSharedArrays();
  }
  // A new window on new shared arrays.
  void Reopen() {
    fw::ReleaseAllWindows();
    Globals::InitializeSharedArrays();
    window_ = &Start2Window::Instance();
  }

  Start2Window& window() { return *window_; }
  QString Entry(int k) { return window().Field(kEntries[k]).Text(); }
  QString Shown(const char* label) { return window().Label(label).Text(); }
  void Type(const char* field, const char* text) { Press({field, text}); }
  void Press(const Keys& keys) {
    QLineEdit* edit = window().Field(keys.field).LineEdit();
    if (keys.how == Keys::Erase) {
      edit->end(false);
      while (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
      return;
    }
    if (keys.how == Keys::Before) edit->home(false);
    QTest::keyClicks(edit, keys.text);
  }
  // Clicks the radio's round indicator, at its left end.
  void Click(std::string_view radio) {
    QRadioButton* button = window().Radio(radio).Button();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
  }
  void PressButton(const char* name) { QTest::mouseClick(window().Button(name).Button(), Qt::LeftButton); }

 private:
  Start2Window* window_ = nullptr;
};

struct Conversion {
  const char* name;
  const char* unit;  // the radio on while typing
  std::vector<Keys> keys;
  Composition mass, amount, molality;
};

std::vector<Conversion> Conversions() {
  std::vector<Conversion> cases;
  {
    const double q = (((90 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 10 / 58.462468) + 0 / 74.57143;
    const double f = 1000.0 / 90;
    cases.push_back({"mass % of water and salt", "Mass", {{"dataEntry1", "90"}, {"dataEntry4", "10"}},
                     {90, 0, 0, 10, 0},
                     {((90 / 18.01528) * 100) / q, 0, 0, ((10 / 58.462468) * 100) / q, 0},
                     {(90 * f) / 18.01528, 0, 0, (10 * f) / 58.462468, 0}});
  }
  cases.push_back({"mass % without water: no molalities", "Mass", {{"dataEntry2", "50"}},
                   {0, 50, 0, 0, 0}, {0, 100, 0, 0, 0}, {}});
  {
    // The amounts are those of "10" and "-" alone.
    const double salt = ((10 / 58.462468) * 100) / (10 / 58.462468);
    cases.push_back({"negative water mass after salt", "Mass", {{"dataEntry4", "10"}, {"dataEntry1", "-5"}},
                     {-5, 0, 0, 10, 0}, {0, 0, 0, salt, 0}, {}});
  }
  {
    // "-10" at once: amounts and molalities keep the values of 10 % water.
    const double q = (((10 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 9 / 58.462468) + 0 / 74.57143;
    const double f = 1000.0 / 10;
    cases.push_back({"water mass turned negative", "Mass",
                     {{"dataEntry1", "10"}, {"dataEntry4", "9"}, {"dataEntry1", "-", Keys::Before}},
                     {-10, 0, 0, 9, 0},
                     {((10 / 18.01528) * 100) / q, 0, 0, ((9 / 58.462468) * 100) / q, 0},
                     {(10 * f) / 18.01528, 0, 0, (9 * f) / 58.462468, 0}});
  }
  {
    const double g = (((90 * 18.01528 + 10 * 44.0098) + 0 * 16.04276) + 0 * 58.462468) + 0 * 74.57143;
    const double w0 = ((90.0 * 100) * 18.01528) / g, w1 = ((10.0 * 100) * 44.0098) / g;
    cases.push_back({"as % of water and carbon dioxide", "Mole", {{"dataEntry1", "90"}, {"dataEntry2", "10"}},
                     {w0, w1, 0, 0, 0}, {90, 10, 0, 0, 0},
                     {(w0 * (1000 / w0)) / 18.01528, (w1 * (1000 / w0)) / 44.0098, 0, 0, 0}});
  }
  cases.push_back({"erased amount keeps the last mass %", "Mole",
                   {{"dataEntry2", "10"}, {"dataEntry2", "", Keys::Erase}}, {0, 100, 0, 0, 0}, {}, {}});
  cases.push_back({"molality: water is the preset whatever is typed", "Molality", {{"dataEntry1", "7"}},
                   {100, 0, 0, 0, 0}, {100, 0, 0, 0, 0}, {kWater, 0, 0, 0, 0}});
  {
    const double grams = 1000 + 1 * 58.462468;
    cases.push_back({"molality of sodium chloride", "Molality", {{"dataEntry4", "1"}},
                     {(kWater * 1801.528) / grams, 0, 0, (1 * 5846.2468) / grams, 0},
                     {(kWater * 100) / (kWater + 1), 0, 0, 100 / (kWater + 1), 0}, {kWater, 0, 0, 1, 0}});
  }
  {
    // "-3" still gave 1000 g + (-3 mol × 44.0098 g/mol) > 0; "-30" does not.
    const double lastGrams = 1000 + -3 * 44.0098;
    cases.push_back({"negative molality", "Molality", {{"dataEntry2", "-30"}},
                     {(kWater * 1801.528) / lastGrams, (-3 * 4400.98) / lastGrams, 0, 0, 0},
                     {(kWater * 100) / (kWater + -30), (-30.0 * 100) / (kWater + -30), 0, 0, 0},
                     {kWater, -30, 0, 0, 0}});
  }
  {
    const double grams = (((1000 + 0 * 44.0098) + 1.2 * 16.04276) + 0 * 58.462468) + 2.7 * 74.57143;
    const double s = (((kWater + 0) + 1.2) + 0) + 2.7;
    cases.push_back({"molality of methane and potassium chloride", "Molality",
                     {{"dataEntry3", "1.2"}, {"dataEntry5", "2.7"}},
                     {(kWater * (100.0 * 18.01528)) / grams, 0, (1.2 * (100.0 * 16.04276)) / grams, 0,
                      (2.7 * (100.0 * 74.57143)) / grams},
                     {(kWater * 100) / s, 0, (1.2 * 100) / s, 0, (2.7 * 100) / s}, {kWater, 0, 1.2, 0, 2.7}});
  }
  return cases;
}

TEST_F(FluidWindowTest, TypedEntriesFillTheArraysAndTheRecalculatedComposition) {
  for (const Conversion& c : Conversions()) {
    SCOPED_TRACE(c.name);
    Reopen();
    if (std::string_view(c.unit) != "Mass") Click(c.unit);
    for (const Keys& keys : c.keys) Press(keys);
    EXPECT_EQ(MASSnumber, c.mass);
    EXPECT_EQ(ASnumber, c.amount);
    EXPECT_EQ(Mnumber, c.molality);
    // A component shows its row while its mass per cent is positive.
    for (int i = 0; i < 5; ++i) {
      const bool shown = c.mass[i] > 0;
      EXPECT_EQ(Shown(kRows[i].mass), shown ? Str(c.mass[i]) : "") << i;
      EXPECT_EQ(Shown(kRows[i].amount), shown ? Str(c.amount[i]) : "") << i;
      if (kRows[i].molality) {
        EXPECT_EQ(Shown(kRows[i].molality), shown ? Str(c.molality[i]) : "") << i;
      }
    }
    if (std::string_view(c.unit) == "Molality") {
      EXPECT_EQ(Entry(0), Str(kWater));
    }
  }
}

struct Acceptance {
  const char* unit;
  std::vector<Keys> keys;
  bool accepted;
  Composition fraction;  // when accepted
};

std::vector<Acceptance> Acceptances() {
  const double q = (((90 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 10 / 58.462468) + 0 / 74.57143;
  const double s = kWater + 1;
  return {
      {"Mass", {}, false, {}},
      {"Mass", {{"dataEntry1", "50"}}, false, {}},  // its amounts would sum to 100
      {"Mass", {{"dataEntry1", "90"}, {"dataEntry4", "10"}}, true,
       {(((90 / 18.01528) * 100) / q) / 100, 0, 0, (((10 / 58.462468) * 100) / q) / 100, 0}},
      {"Mass", {{"dataEntry1", "100.0000011"}}, false, {}},
      {"Mole", {{"dataEntry1", "99.999999"}}, true, {99.999999 / 100, 0, 0, 0, 0}},
      {"Mole", {{"dataEntry1", "100.000001"}}, true, {100.000001 / 100, 0, 0, 0, 0}},
      {"Mole", {{"dataEntry1", "99.9999989"}}, false, {}},
      {"Mole", {{"dataEntry1", "120"}, {"dataEntry2", "-20"}}, true, {1.2, -0.2, 0, 0, 0}},
      {"Molality", {{"dataEntry2", "1"}}, true, {((kWater * 100) / s) / 100, ((1.0 * 100) / s) / 100, 0, 0, 0}},
      {"Molality", {{"dataEntry2", "-60"}}, false, {}},  // the molalities sum below zero
  };
}

TEST_F(FluidWindowTest, ContinueAcceptsTotalsWithinTheBoundsAndStoresTheMoleFractions) {
  const Composition untouched = {9, 9, 9, 9, 9};
  for (const Acceptance& c : Acceptances()) {
    SCOPED_TRACE(::testing::Message() << c.unit << " " << (c.keys.empty() ? "" : c.keys.back().text));
    Reopen();
    Globals::fraction = untouched;
    if (std::string_view(c.unit) != "Mass") Click(c.unit);
    for (const Keys& keys : c.keys) Press(keys);
    PressButton("continue2");
    if (c.accepted) {
      EXPECT_EQ(Shown("Sum"), "");
      EXPECT_EQ(Globals::fraction, c.fraction);
      EXPECT_NE(Start3Window::OpenInstanceOf(), nullptr);
      EXPECT_NE(Start2Window::OpenInstanceOf(), nullptr) << "the Fluid window stays open";
    } else {
      EXPECT_EQ(Shown("Sum"), kSumMessage);
      EXPECT_EQ(Globals::fraction, untouched);
      EXPECT_EQ(Start3Window::OpenInstanceOf(), nullptr);
      Type("dataEntry3", "0");
      EXPECT_EQ(Shown("Sum"), "") << "an edit empties the message";
    }
  }
}

// A new window, a unit turned on and the clear button all leave the window
// empty in its unit, with the water preset in molality. Turning molality on
// writes that preset into the H2O entry, which converts it as if typed.
TEST_F(FluidWindowTest, NewUnitAndClearStartAfresh) {
  struct Unit {
    const char* radio;
    const char* label;
    QString water;
  };
  const Unit units[] = {{"Mass", "mass %", ""}, {"Mole", "as %", ""}, {"Molality", "mole / kg H2O", Str(kWater)}};
  const auto expectFresh = [&](const Unit& unit, bool pureWater) {
    for (const Unit& u : units) EXPECT_EQ(window().Radio(u.radio).Value(), &u == &unit) << u.radio;
    EXPECT_EQ(Shown("StaticText1"), unit.label);
    EXPECT_EQ(Entry(0), unit.water);
    for (int i = 0; i < 5; ++i) {
      if (i > 0) {
        EXPECT_EQ(Entry(i), "") << i;
      }
      const QString water = pureWater && i == 0 ? "100" : "";
      EXPECT_EQ(Shown(kRows[i].mass), water) << i;
      EXPECT_EQ(Shown(kRows[i].amount), water) << i;
      if (kRows[i].molality) {
        EXPECT_EQ(Shown(kRows[i].molality), "") << i;
      }
    }
    EXPECT_EQ(Shown("Sum"), "");
    const double w = pureWater ? 100 : 0;
    EXPECT_EQ(MASSnumber, (Composition{w, 0, 0, 0, 0}));
    EXPECT_EQ(ASnumber, (Composition{w, 0, 0, 0, 0}));
    EXPECT_EQ(Mnumber, (Composition{pureWater ? kWater : 0, 0, 0, 0, 0}));
  };
  const auto fill = [&] {
    Type("dataEntry1", "5");
    Type("dataEntry4", "10");
    PressButton("continue2");
  };
  expectFresh(units[0], false);
  for (const Unit* unit : {&units[1], &units[2], &units[0]}) {
    SCOPED_TRACE(unit->radio);
    fill();
    Click(unit->radio);
    expectFresh(*unit, unit == &units[2]);
    fill();
    PressButton("Clear");
    expectFresh(*unit, false);
  }
}

TEST_F(FluidWindowTest, ClickingTheRadioThatIsOnChangesNothing) {
  Type("dataEntry1", "90");
  Click("Mass");
  EXPECT_EQ(Entry(0), "90");
  EXPECT_EQ(MASSnumber[0], 90);
}

TEST_F(FluidWindowTest, RebuiltWindowJudgesTheArraysTheLastWindowLeft) {
  Type("dataEntry1", "100");
  window().Close();
  fw::ReleaseAllWindows();
  Start2Window& fresh = Start2Window::Instance();
  EXPECT_EQ(fresh.Field("dataEntry1").Text(), "");
  QTest::mouseClick(fresh.Button("continue2").Button(), Qt::LeftButton);
  EXPECT_EQ(Globals::fraction[0], 1);
}

}  // namespace
