// The user's road through the real windows, headless: start-up, Start,
// Fluid, Procedures and the calculators, Quit.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

#include "app/application.h"
#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/framework/Pictures.h"
#include "app/framework/YieldHook.h"
#include "app/menu_bar.h"
#include "app/note_duzoror_window.h"
#include "app/start_window.h"
#include "fluid/Globals.h"

namespace {

class ApplicationRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::ReleaseAllWindows();
    fw::ReleasePictures();
  }
  void TearDown() override { FinishApplication(); }

  static fw::Window& Start() { return *Start1Window::OpenInstanceOf(); }
  static void Press(fw::Window& window, const char* button) {
    QTest::mouseClick(window.Button(button).Button(), Qt::LeftButton);
  }
  // The open window of that title, or nullptr.
  static fw::Window* Titled(const QString& title) {
    for (const fw::WindowRegistration& registration : fw::RegisteredWindows())
      if (fw::Window* open = registration.openInstance(); open && open->Title() == title) return open;
    return nullptr;
  }
};

// Start-up shows "Start" alone, with the menus and its three pictures; Return
// presses "continue" whatever button has the focus and opens "Fluid"; a
// composition summing to 100 per cent opens "Procedures", whose "continue"
// opens the calculator of the radio that is on, one instance each.
TEST_F(ApplicationRoad, StartUpThenReturnOnStartThenAFullCompositionLeadToTheCalculators) {
  Globals::fraction = {1, 2, 3, 4, 5};
  const int reads = fw::PictureReads();
  StartApplication();
  EXPECT_EQ(fw::PictureReads() - reads, 3);
  EXPECT_EQ(Globals::fraction, Globals::Composition{});
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global), std::tuple(0, 0, 0));
  ASSERT_NE(Titled("Start"), nullptr);
  EXPECT_TRUE(Start().Frame()->isVisible());
  EXPECT_EQ(fw::LiveWindowCount(), 1);
  const QList<QAction*> menus = {MenuBarInstance()->fileMenu()->menuAction(), MenuBarInstance()->editMenu()->menuAction()};
  EXPECT_EQ(Start().Frame()->menuBar()->actions(), menus);

  QApplication::setActiveWindow(Start().Frame());
  Start().Button("duzoror").Button()->setFocus();
  QTest::keyClick(Start().Button("duzoror").Button(), Qt::Key_Return);
  EXPECT_EQ(NoteDuzoror::OpenInstanceOf(), nullptr) << "Return is no click on the focused button";
  fw::Window* fluid = Titled("Fluid");
  ASSERT_NE(fluid, nullptr);
  EXPECT_TRUE(fluid->Frame()->isVisible());
  EXPECT_EQ(fluid->Frame()->menuBar()->actions(), menus);

  QTest::keyClicks(fluid->Field("dataEntry1").LineEdit(), "80");
  QTest::keyClicks(fluid->Field("dataEntry2").LineEdit(), "20");
  QTest::keyClick(fluid->Field("dataEntry2").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(Globals::fraction, (Globals::Composition{Globals::ASnumber[0] / 100, Globals::ASnumber[1] / 100, 0, 0, 0}));
  fw::Window* procedures = Titled("Procedures");
  ASSERT_NE(procedures, nullptr);
  EXPECT_TRUE(procedures->Frame()->isVisible());
  Press(*procedures, "PushButton1");
  EXPECT_EQ(fw::LiveWindowCount(), 3) << "no radio is on in a new window";

  const std::pair<const char*, QString> kCalculators[] = {
      {"Pressures", "Pressures"},                     {"MolarVolumes", "Molar Volumes"},
      {"Temperatures", "Temperatures"},               {"Fugacities", "Fugacities"},
      {"Activities", "Activities"},                   {"Homogenisation", "Bubble-Dew point"},
      {"LiquidVapour", "Liquid-Vapour Equilibrium"}, {"Spinodal", "Spinodal"},
      {"CriticalPoint", "Critical Point"},           {"QtzSolubility", "Quartz Solubility"}};
  int open = fw::LiveWindowCount();
  for (const auto& [radio, title] : kCalculators) {
    QRadioButton* button = procedures->Radio(radio).Button();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
    Press(*procedures, "PushButton1");
    Press(*procedures, "PushButton1");
    EXPECT_EQ(fw::LiveWindowCount(), ++open) << radio;
    ASSERT_NE(Titled(title), nullptr) << radio;
    EXPECT_TRUE(Titled(title)->Frame()->isVisible()) << "shown, even if built hidden";
  }
  // Each note button of "Start" opens its own note.
  Press(Start(), "duzoror");
  EXPECT_EQ(std::pair(Titled("Note Duzoror") != nullptr, Titled("Note Duan") != nullptr), std::pair(true, false));
  Press(Start(), "duan");
  EXPECT_NE(Titled("Note Duan"), nullptr);
}

// Quit from the File menu with several windows open, arriving while a
// handler yields (the Fluid window's Clear yields once per component): the
// loop ends once the handler has returned.
TEST_F(ApplicationRoad, QuitEndsTheEventLoopWithSeveralWindowsOpenAfterTheRunningHandler) {
  fw::InstallRuntimeYield(0, 1);  // every yield handles events
  StartApplication();
  Press(Start(), "duan");
  Press(Start(), "continue1");
  bool returned = false;
  QTimer::singleShot(0, Start().Frame(), [&] {
    QTimer::singleShot(0, MenuBarInstance()->Item("FileQuit"), &QAction::trigger);
    Press(*Start2Window::OpenInstanceOf(), "Clear");
    returned = true;
  });
  QTimer fallback;  // ends a loop that Quit failed to end
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  fallback.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(returned);
  fw::RemoveRuntimeYield();
  FinishApplication();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
}

}  // namespace
