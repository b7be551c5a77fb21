// The Procedures window opens the calculator of the radio that is on, as far
// as the program has its window; a radio without one, or no radio, opens
// nothing.
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "app/framework/Controls.h"
#include "app/procedures_window.h"

namespace {

// Each radio, top to bottom, and the title of its calculator.
const std::pair<std::string_view, QString> kRadios[] = {
    {"Pressures", "Pressures"},                     {"MolarVolumes", "Molar Volumes"},
    {"Temperatures", "Temperatures"},               {"Fugacities", "Fugacities"},
    {"Activities", "Activities"},                   {"Homogenisation", "Bubble-Dew point"},
    {"LiquidVapour", "Liquid-Vapour Equilibrium"}, {"Spinodal", "Spinodal"},
    {"CriticalPoint", "Critical Point"},           {"QtzSolubility", "Quartz Solubility"}};

// The windows open besides the Procedures window.
std::vector<fw::Window*> OpenCalculators() {
  std::vector<fw::Window*> open;
  for (const fw::WindowRegistration& registration : fw::RegisteredWindows()) {
    fw::Window* window = registration.openInstance();
    if (window && window != Start3Window::OpenInstanceOf()) open.push_back(window);
  }
  return open;
}

// Clicks the radio's round indicator, at its left end.
void Choose(Start3Window& w, std::string_view radio) {
  QRadioButton* button = w.Radio(radio).Button();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
}

void Continue(Start3Window& w) { QTest::mouseClick(w.Button("PushButton1").Button(), Qt::LeftButton); }

TEST(ProceduresWindow, TheRadioThatIsOnOpensItsCalculatorWhereTheProgramHasOne) {
  QStringList programTitles;
  for (const fw::WindowRegistration& registration : fw::RegisteredWindows())
    programTitles << registration.open().Title();
  fw::ReleaseAllWindows();

  Continue(Start3Window::Instance());
  EXPECT_EQ(fw::LiveWindowCount(), 1) << "no radio is on in a new window";

  for (std::size_t i = 0; i < std::size(kRadios); ++i) {
    const auto& [radio, title] = kRadios[i];
    SCOPED_TRACE(radio);
    fw::ReleaseAllWindows();
    Start3Window& w = Start3Window::Instance();
    Choose(w, kRadios[(i + 1) % std::size(kRadios)].first);
    Choose(w, radio);  // turns the other one off
    Continue(w);
    if (!programTitles.contains(title)) {
      EXPECT_EQ(fw::LiveWindowCount(), 1) << "no window yet";
      continue;
    }
    const std::vector<fw::Window*> open = OpenCalculators();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->Title(), title);
    EXPECT_TRUE(open[0]->Frame()->isVisible()) << "shown, even if built hidden";
    Continue(w);
    EXPECT_EQ(OpenCalculators(), open) << "a second press brings the same window";
    EXPECT_EQ(fw::LiveWindowCount(), 2);
  }
  fw::ReleaseAllWindows();
}

}  // namespace
