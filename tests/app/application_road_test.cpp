// The user's road through the real windows, headless: start-up, Start,
// Fluid, Procedures and the calculators, Quit.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

#include "app/application.h"
#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/framework/Pictures.h"
#include "app/framework/YieldHook.h"
#include "app/menu_bar.h"
#include "app/note_duan_window.h"
#include "app/note_duzoror_window.h"
#include "app/start_window.h"
#include "calc/pvt/Isochore.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

// A click as the user's arrives: through the event queue, handled whenever
// the event loop next runs.
void PostClick(QWidget* button) {
  const QPointF at = QRectF(button->rect()).center();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(
        button, new QMouseEvent(type, at, button->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier));
  }
}

// Counts the requests to end the event loop (QCoreApplication::quit).
struct QuitRequests : QObject {
  int count = 0;
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (receiver == qApp && event->type() == QEvent::Quit) ++count;
    return false;
  }
};

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

// A long run, an isochore of 201 rows, with the program's yield handling
// the waiting events at every yield. What the user does at its 1000th yield,
// in its fourth row, arrives through the event queue: File > Quit, or closing
// the windows, the run's last, stops the run before its next row and asks the
// event loop to end once the run has returned; a click on another window is
// handled at that yield, and the run goes on to its last row (then File >
// Quit ends the loop at once).
TEST_F(ApplicationRoad, DuringALongRunQuitOrClosingTheLastWindowEndsItAndAClickElsewhereIsHandledAtOnce) {
  fw::InstallRuntimeYield(0, 1);
  const RuntimeYieldHook handleEvents = SetRuntimeYieldHook({});
  const QMetaObject::Connection closing = QuitWhenTheLastWindowCloses();
  QuitRequests quits;
  qApp->installEventFilter(&quits);
  const auto kept = std::pair(Globals::fraction, Globals::Vm_global);
  const struct {
    const char* what;
    std::function<void(fw::Window& running)> act;
    bool ends;
  } cases[] = {
      // The choice comes from the event dispatcher, as the window system's
      // events do, not from the queue of posted events.
      {"File > Quit",
       [](fw::Window&) {
         auto* choice = new QTimer(MenuBarInstance()->Item("FileQuit"));
         choice->setSingleShot(true);
         QObject::connect(choice, &QTimer::timeout, MenuBarInstance()->Item("FileQuit"), &QAction::trigger);
         choice->start(0);
       },
       true},
      {"every window closed",
       [](fw::Window& running) {
         for (fw::Window* w : {&Start(), &running}) QMetaObject::invokeMethod(w->Frame(), "close", Qt::QueuedConnection);
       },
       true},
      {"a click on Start's duan", [](fw::Window&) { PostClick(Start().Button("duan").Button()); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StartApplication();
    Globals::fraction = {1, 0, 0, 0, 0};
    Globals::Vm_global = 30;
    Isochore& isochore = Isochore::Instance();
    QEvent activate(QEvent::WindowActivate);  // takes the molar volume
    QCoreApplication::sendEvent(isochore.Frame(), &activate);
    for (const auto& [field, text] : {std::pair("minimum", "300"), {"maximum", "500"}, {"interval", "1"}})
      isochore.Field(field).SetText(text);
    int yields = 0, rowsWhenAsked = -1, rows = -1, clickedAt = 0, quitsInRun = 0;
    quits.count = 0;
    SetRuntimeYieldHook([&] {
      if (++yields == 1000) {
        rowsWhenAsked = isochore.List("ListBox1").ListCount();
        c.act(isochore);
      }
      handleEvents();
      if (!clickedAt && NoteDuan::OpenInstanceOf()) clickedAt = yields;
      quitsInRun = quits.count;
    });
    QTimer::singleShot(0, [&] {
      Press(isochore, "calculate");
      rows = isochore.List("ListBox1").ListCount();
      if (!c.ends) MenuBarInstance()->Item("FileQuit")->trigger();  // no run going: at once
    });
    const QObject fallback;  // ends a loop that nothing else ended
    QTimer::singleShot(5000, &fallback, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0) << "ended by a quit";
    EXPECT_EQ(quitsInRun, 0) << "the loop is asked to end only once the run has returned";
    if (c.ends) EXPECT_LE(rows, rowsWhenAsked + 1);
    else EXPECT_EQ(std::pair(rows, clickedAt), std::pair(201, 1000));
    SetRuntimeYieldHook({});
    FinishApplication();
  }
  std::tie(Globals::fraction, Globals::Vm_global) = kept;
  qApp->removeEventFilter(&quits);
  QObject::disconnect(closing);
  fw::RemoveRuntimeYield();
}

}  // namespace
