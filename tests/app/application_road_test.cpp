// The user's road through the real windows, headless: start-up, Start,
// Fluid, Procedures, the notes, Quit.
#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/framework/Pictures.h"
#include "app/menu_bar.h"
#include "app/note_duan_window.h"
#include "app/note_duzoror_window.h"
#include "app/picture_resources.h"
#include "app/procedures_window.h"
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

  static void Press(fw::Window& window, const char* button) {
    QTest::mouseClick(window.Button(button).Button(), Qt::LeftButton);
  }
};

TEST_F(ApplicationRoad, StartUpZeroesTheSharedStateAndShowsOnlyTheStartWindowWithItsMenus) {
  Globals::fraction = {1, 2, 3, 4, 5};
  Globals::Mnumber = {1, 2, 3, 4, 5};
  StartApplication();
  EXPECT_EQ(Globals::fraction, Globals::Composition{});
  EXPECT_EQ(Globals::Mnumber, Globals::Composition{});
  ASSERT_NE(Start1Window::OpenInstanceOf(), nullptr);
  fw::Window& start = *Start1Window::OpenInstanceOf();
  EXPECT_EQ(start.Title(), "Start");
  EXPECT_TRUE(start.Frame()->isVisible());
  EXPECT_EQ(fw::LiveWindowCount(), 1);
  QMenuBar* bar = start.Frame()->menuBar();
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  EXPECT_EQ(bar->actions()[1]->text(), "&Edit");
}

TEST_F(ApplicationRoad, LaunchReadsOnlyTheStartWindowsThreePictures) {
  const int before = fw::PictureReads();
  StartApplication();
  EXPECT_EQ(fw::PictureReads() - before, 3);
}

TEST_F(ApplicationRoad, ReturnOnStartOpensFluidAndAFullCompositionOpensProcedures) {
  StartApplication();
  fw::Window& start = *Start1Window::OpenInstanceOf();
  QTest::keyClick(start.Frame(), Qt::Key_Return);
  Start2Window* fluid = Start2Window::OpenInstanceOf();
  ASSERT_NE(fluid, nullptr);
  EXPECT_EQ(fluid->Title(), "Fluid");
  EXPECT_TRUE(fluid->Frame()->isVisible());
  EXPECT_NE(fluid->Frame()->menuBar(), nullptr);

  QTest::keyClicks(fluid->Field("dataEntry1").LineEdit(), "80");
  QTest::keyClicks(fluid->Field("dataEntry2").LineEdit(), "20");
  QTest::keyClick(fluid->Frame(), Qt::Key_Return);
  Start3Window* procedures = Start3Window::OpenInstanceOf();
  ASSERT_NE(procedures, nullptr);
  EXPECT_EQ(procedures->Title(), "Procedures");
  EXPECT_TRUE(procedures->Frame()->isVisible());
  EXPECT_EQ(Globals::fraction, (Globals::Composition{Globals::ASnumber[0] / 100, Globals::ASnumber[1] / 100, 0, 0, 0}));
  EXPECT_GT(Globals::fraction[0], 0.8);
  EXPECT_TRUE(Start1Window::OpenInstanceOf()) << "the start window stays open behind";
}

TEST_F(ApplicationRoad, EachButtonOfTheStartWindowOpensOneInstanceOnly) {
  StartApplication();
  fw::Window& start = *Start1Window::OpenInstanceOf();
  for (const char* button : {"duzoror", "duzoror", "duan", "duan", "continue1", "continue1"}) Press(start, button);
  EXPECT_EQ(fw::LiveWindowCount(), 4);
  ASSERT_NE(NoteDuzoror::OpenInstanceOf(), nullptr);
  ASSERT_NE(NoteDuan::OpenInstanceOf(), nullptr);
  EXPECT_EQ(NoteDuzoror::OpenInstanceOf()->Title(), "Note Duzoror");
  EXPECT_EQ(NoteDuan::OpenInstanceOf()->Title(), "Note Duan");
  EXPECT_TRUE(NoteDuan::OpenInstanceOf()->Frame()->isVisible());
}

TEST_F(ApplicationRoad, FluidTypedTextSurvivesASecondContinue) {
  StartApplication();
  fw::Window& start = *Start1Window::OpenInstanceOf();
  Press(start, "continue1");
  QTest::keyClicks(Start2Window::OpenInstanceOf()->Field("dataEntry3").LineEdit(), "12");
  Press(start, "continue1");
  EXPECT_EQ(Start2Window::OpenInstanceOf()->Field("dataEntry3").Text(), "12");
}

TEST_F(ApplicationRoad, ReopeningANoteOrTheFluidWindowReadsNoPictureAgain) {
  StartApplication();
  fw::Window& start = *Start1Window::OpenInstanceOf();
  int before = fw::PictureReads();
  Press(start, "duzoror");
  EXPECT_EQ(fw::PictureReads() - before, 2);
  Press(start, "continue1");
  EXPECT_EQ(fw::PictureReads() - before, 2 + 5) << "each formula label is read once for its two canvases";
  NoteDuzoror::OpenInstanceOf()->Close();
  Start2Window::OpenInstanceOf()->Close();
  before = fw::PictureReads();
  Press(start, "duzoror");
  Press(start, "continue1");
  EXPECT_EQ(fw::PictureReads(), before);
  EXPECT_FALSE(NoteDuzoror::OpenInstanceOf()->Controls().empty());
}

TEST_F(ApplicationRoad, QuitEndsTheEventLoopWithSeveralWindowsOpen) {
  StartApplication();
  fw::Window& start = *Start1Window::OpenInstanceOf();
  Press(start, "duan");
  Press(start, "continue1");
  QTimer::singleShot(0, MenuBarInstance()->Item("FileQuit"), &QAction::trigger);
  QTimer fallback;  // ends a loop that Quit failed to end
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  fallback.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  FinishApplication();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
  EXPECT_EQ(Start1Window::OpenInstanceOf(), nullptr);
}

TEST_F(ApplicationRoad, ShutDownReleasesThePicturesSoTheNextUseReadsAgain) {
  StartApplication();
  FinishApplication();
  const int before = fw::PictureReads();
  Logo10();
  EXPECT_EQ(fw::PictureReads() - before, 1);
}

}  // namespace
