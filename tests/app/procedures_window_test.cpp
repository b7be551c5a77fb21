// The Procedures window opens the calculator of every radio that is on, as
// far as the program has its window; the others open nothing.
#include <QMainWindow>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/framework/Controls.h"
#include "app/procedures_window.h"

namespace {

// The window title each calculator class shows.
const std::map<std::string, QString> kTitles = {
    {"VolumeWindow", "Molar Volumes"},
    {"PressureWindow", "Pressures"},
    {"TemperatureWindow", "Temperatures"},
    {"QtzSolubilityWindow", "Quartz Solubility"},
    {"FugacityWindow", "Fugacities"},
    {"ActivityWindow", "Activities"},
    {"BubbleDewPoint", "Bubble-Dew point"},
    {"LiquidVapourEq", "Liquid-Vapour Equilibrium"},
    {"ConstructionSpinodal", "Spinodal"},
    {"ConstructionCritical", "Critical Point"},
};

bool Registered(std::string_view windowClass) {
  for (const fw::WindowRegistration& registration : fw::RegisteredWindows())
    if (registration.className == windowClass) return true;
  return false;
}

class ProceduresWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { fw::ReleaseAllWindows(); }
  void TearDown() override { fw::ReleaseAllWindows(); }
  // Clicks the radio's round indicator, at its left end.
  static void Choose(Start3Window& w, std::string_view radio) {
    QRadioButton* button = w.Radio(radio).Button();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
  }
  static void Continue(Start3Window& w) { QTest::mouseClick(w.Button("PushButton1").Button(), Qt::LeftButton); }
};

TEST_F(ProceduresWindowTest, RadiosReadTopToBottomInTheDesignedOrderAllOff) {
  Start3Window& w = Start3Window::Instance();
  const char* order[] = {"Pressures", "MolarVolumes", "Temperatures", "Fugacities", "Activities",
                         "Homogenisation", "LiquidVapour", "Spinodal", "CriticalPoint", "QtzSolubility"};
  int lastTop = 0;
  for (const char* radio : order) {
    EXPECT_GT(w.Radio(radio).Top(), lastTop) << radio;
    lastTop = w.Radio(radio).Top();
    EXPECT_FALSE(w.Radio(radio).Value()) << radio;
  }
  EXPECT_EQ(w.Radio("Homogenisation").Caption(), "Homogenization");
}

TEST_F(ProceduresWindowTest, ContinueWithNoRadioOnOpensNothing) {
  Start3Window& w = Start3Window::Instance();
  Continue(w);
  EXPECT_EQ(fw::LiveWindowCount(), 1);
}

TEST_F(ProceduresWindowTest, EveryRadioOpensItsCalculatorWhereTheProgramHasOne) {
  for (const Procedure& procedure : kProcedures) {
    fw::ReleaseAllWindows();
    Start3Window& w = Start3Window::Instance();
    Choose(w, procedure.radio);
    ASSERT_TRUE(w.Radio(procedure.radio).Value()) << procedure.radio;
    Continue(w);
    const std::string windowClass(procedure.windowClass);
    if (!Registered(procedure.windowClass)) {
      EXPECT_EQ(fw::LiveWindowCount(), 1) << procedure.radio << " has no window yet";
      continue;
    }
    fw::Window* calculator = fw::GetImplicitWindow(procedure.windowClass);
    ASSERT_NE(calculator, nullptr) << windowClass;
    EXPECT_EQ(calculator->Title(), kTitles.at(windowClass));
    EXPECT_TRUE(calculator->Frame()->isVisible()) << windowClass << " shown, even if built hidden";
    Continue(w);
    EXPECT_EQ(fw::GetImplicitWindow(procedure.windowClass), calculator) << "a second press brings the same window";
    EXPECT_EQ(fw::LiveWindowCount(), 2);
  }
}

TEST_F(ProceduresWindowTest, ChoosingOneRadioTurnsTheOtherOff) {
  Start3Window& w = Start3Window::Instance();
  Choose(w, "Pressures");
  Choose(w, "CriticalPoint");
  EXPECT_FALSE(w.Radio("Pressures").Value());
  EXPECT_TRUE(w.Radio("CriticalPoint").Value());
}

TEST_F(ProceduresWindowTest, EveryProcedureNamesARadioOfTheWindow) {
  Start3Window& w = Start3Window::Instance();
  EXPECT_EQ(std::size(kProcedures), 10u);
  for (const Procedure& procedure : kProcedures) EXPECT_NE(w.FindControl(procedure.radio), nullptr) << procedure.radio;
  EXPECT_EQ(kTitles.size(), 10u);
}

}  // namespace
