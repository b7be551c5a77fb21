// The user's road through the real windows, headless: start-up, Start,
// Fluid, Procedures, the notes, Quit.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
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

  static fw::Window& Start() { return *Start1Window::OpenInstanceOf(); }
  static void Press(fw::Window& window, const char* button) {
    QTest::mouseClick(window.Button(button).Button(), Qt::LeftButton);
  }
};

// Start-up shows "Start" alone, with the menus and its three pictures; Return
// opens "Fluid", and a composition summing to 100 per cent "Procedures".
TEST_F(ApplicationRoad, StartUpThenReturnOnStartThenAFullCompositionLeadToProcedures) {
  Globals::fraction = {1, 2, 3, 4, 5};
  Globals::Mnumber = {1, 2, 3, 4, 5};
  const int reads = fw::PictureReads();
  StartApplication();
  EXPECT_EQ(fw::PictureReads() - reads, 3);
  EXPECT_EQ(Globals::fraction, Globals::Composition{});
  EXPECT_EQ(Globals::Mnumber, Globals::Composition{});
  ASSERT_NE(Start1Window::OpenInstanceOf(), nullptr);
  EXPECT_EQ(Start().Title(), "Start");
  EXPECT_TRUE(Start().Frame()->isVisible());
  EXPECT_EQ(fw::LiveWindowCount(), 1);
  const QList<QAction*> menus = {MenuBarInstance()->fileMenu()->menuAction(), MenuBarInstance()->editMenu()->menuAction()};
  EXPECT_EQ(Start().Frame()->menuBar()->actions(), menus);

  QTest::keyClick(Start().Frame(), Qt::Key_Return);
  Start2Window* fluid = Start2Window::OpenInstanceOf();
  ASSERT_NE(fluid, nullptr);
  EXPECT_EQ(fluid->Title(), "Fluid");
  EXPECT_TRUE(fluid->Frame()->isVisible());
  EXPECT_EQ(fluid->Frame()->menuBar()->actions(), menus);

  QTest::keyClicks(fluid->Field("dataEntry1").LineEdit(), "80");
  QTest::keyClicks(fluid->Field("dataEntry2").LineEdit(), "20");
  QTest::keyClick(fluid->Field("dataEntry2").LineEdit(), Qt::Key_Return);
  Start3Window* procedures = Start3Window::OpenInstanceOf();
  ASSERT_NE(procedures, nullptr);
  EXPECT_EQ(procedures->Title(), "Procedures");
  EXPECT_TRUE(procedures->Frame()->isVisible());
  EXPECT_EQ(Globals::fraction, (Globals::Composition{Globals::ASnumber[0] / 100, Globals::ASnumber[1] / 100, 0, 0, 0}));
  EXPECT_GT(Globals::fraction[0], 0.8);
  EXPECT_TRUE(Start1Window::OpenInstanceOf()) << "the start window stays open behind";
}

// Each button of "Start" opens one instance of its window, and each picture
// is read once until shut-down.
TEST_F(ApplicationRoad, StartButtonsOpenOneInstanceEachAndPicturesAreReadOnce) {
  StartApplication();
  const int start = fw::PictureReads();
  Press(Start(), "duzoror");
  EXPECT_EQ(fw::PictureReads() - start, 2);
  Press(Start(), "continue1");
  EXPECT_EQ(fw::PictureReads() - start, 2 + 5) << "each formula label is read once for its two canvases";
  QTest::keyClicks(Start2Window::OpenInstanceOf()->Field("dataEntry3").LineEdit(), "12");
  for (const char* button : {"duzoror", "duan", "duan", "continue1"}) Press(Start(), button);
  EXPECT_EQ(fw::LiveWindowCount(), 4);
  EXPECT_EQ(Start2Window::OpenInstanceOf()->Field("dataEntry3").Text(), "12") << "not built anew";
  ASSERT_NE(NoteDuzoror::OpenInstanceOf(), nullptr);
  ASSERT_NE(NoteDuan::OpenInstanceOf(), nullptr);
  EXPECT_EQ(NoteDuzoror::OpenInstanceOf()->Title(), "Note Duzoror");
  EXPECT_EQ(NoteDuan::OpenInstanceOf()->Title(), "Note Duan");
  EXPECT_TRUE(NoteDuan::OpenInstanceOf()->Frame()->isVisible());

  const int opened = fw::PictureReads();
  NoteDuzoror::OpenInstanceOf()->Close();
  Start2Window::OpenInstanceOf()->Close();
  Press(Start(), "duzoror");
  Press(Start(), "continue1");
  EXPECT_EQ(fw::PictureReads(), opened) << "reopened windows read no picture again";
  EXPECT_FALSE(NoteDuzoror::OpenInstanceOf()->Controls().empty());
  FinishApplication();
  const int finished = fw::PictureReads();
  Logo10();
  EXPECT_EQ(fw::PictureReads() - finished, 1) << "shut-down releases the pictures";
}

// Quit from the File menu, or Ctrl+Q in a window other than Start.
TEST_F(ApplicationRoad, QuitEndsTheEventLoopWithSeveralWindowsOpen) {
  for (const bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "Ctrl+Q" : "File > Quit");
    StartApplication();
    Press(Start(), "duan");
    Press(Start(), "continue1");
    QMainWindow* note = NoteDuan::OpenInstanceOf()->Frame();
    QApplication::setActiveWindow(note);
    if (byKey) QTimer::singleShot(0, note, [note] { QTest::keyClick(note, Qt::Key_Q, Qt::ControlModifier); });
    else QTimer::singleShot(0, MenuBarInstance()->Item("FileQuit"), &QAction::trigger);
    QTimer fallback;  // ends a loop that Quit failed to end
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    fallback.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    FinishApplication();
    EXPECT_EQ(fw::LiveWindowCount(), 0);
    EXPECT_EQ(Start1Window::OpenInstanceOf(), nullptr);
  }
}

}  // namespace
