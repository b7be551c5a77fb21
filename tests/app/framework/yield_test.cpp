// Handlers that yield to the event loop: what the user may do meanwhile, and
// that nothing of it crashes.
#include <utility>

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include "app/framework/YieldHook.h"
#include "app/framework/test_windows.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

class Yielding : public WindowTest {
 protected:
  void SetUp() override {
    fw::InstallRuntimeYield(0, 1);  // every yield handles events
    Reset();
  }
  static void Reset() {
    YieldWindow::passesWanted = 20;
    YieldWindow::passesDone = YieldWindow::starts = 0;
    YieldWindow::stoppedEarly = false;
    YieldWindow::windowOpenAtEnd = true;
    YieldWindow::onPass = nullptr;
  }
  void TearDown() override {
    fw::RemoveRuntimeYield();
    WindowTest::TearDown();
  }
};

// The user closes the window while its handler runs (the close arrives
// through the event queue, as a click on the close box would); the handler
// carelessly writes its controls once more before it asks IsOpen().
bool CloseAtPassTwo(YieldWindow& w, int pass) {
  if (pass == 2) QMetaObject::invokeMethod(w.Frame(), "close", Qt::QueuedConnection);
  if (pass == 3) {
    EXPECT_FALSE(w.Frame()->isVisible()) << "hidden at once";
    EXPECT_EQ(YieldWindow::OpenInstanceOf(), nullptr) << "the next accessor call builds anew";
    EXPECT_EQ(fw::LiveWindowCount(), 1) << "destroyed only after the handler";
    w.Label("progress").SetText("still here");
    w.ControlByName("other").SetVisible(true);
  }
  return true;
}

bool CloseItselfAtPassZero(YieldWindow& w, int pass) {
  if (pass == 0) {
    w.Close();
    EXPECT_FALSE(w.IsOpen());
    EXPECT_FALSE(w.Frame()->isVisible());
  }
  return true;
}

TEST_F(Yielding, WindowClosedWhileItsHandlerYieldsGoesOnlyAfterTheHandlerReturns) {
  for (const auto& [onPass, passesDone] : {std::pair{&CloseAtPassTwo, 3},
                                             std::pair{&CloseItselfAtPassZero, 0}}) {
    Reset();
    YieldWindow::onPass = onPass;
    YieldWindow::Instance().Button("run").Push();
    EXPECT_TRUE(YieldWindow::stoppedEarly) << "the handler saw the window closed";
    EXPECT_EQ(YieldWindow::passesDone, passesDone);
    EXPECT_FALSE(YieldWindow::windowOpenAtEnd);
    EXPECT_EQ(fw::LiveWindowCount(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fw::LiveWindowCount(), 0);
    EXPECT_EQ(YieldWindow::Instance().Label("progress").Text(), "") << "a new window opens afresh";
    fw::ReleaseAllWindows();
  }
}

bool ClickBothButtonsAtPassOne(YieldWindow& w, int pass) {
  if (pass == 1) {
    QMetaObject::invokeMethod(w.Button("run").Button(), "click", Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.Button("other").Button(), "click", Qt::QueuedConnection);
  }
  return true;
}

TEST_F(Yielding, SecondClickDoesNotStartTheRunningHandlerAgain) {
  YieldWindow::onPass = &ClickBothButtonsAtPassOne;
  YieldWindow& w = YieldWindow::Instance();
  w.Button("run").Push();
  EXPECT_EQ(YieldWindow::starts, 1);
  EXPECT_EQ(YieldWindow::passesDone, 20);
  EXPECT_EQ(w.otherActions, 1) << "another control's handler runs meanwhile";
  w.Button("run").Push();
  EXPECT_EQ(YieldWindow::starts, 2) << "and the handler runs again once it has returned";
}

TEST_F(Yielding, QuitEndsTheEventLoopAfterTheHandlerReturns) {
  YieldWindow::onPass = [](YieldWindow&, int pass) {
    if (pass == 2) fw::Quit();
    return true;
  };
  YieldWindow& w = YieldWindow::Instance();
  bool handlerReturned = false;
  bool timedOut = false;
  QTimer::singleShot(0, &w, [&] {
    w.Button("run").Push();
    handlerReturned = true;
    EXPECT_TRUE(fw::QuitRequested());
  });
  QTimer::singleShot(10000, &w, [&] {
    timedOut = true;
    QCoreApplication::quit();
  });
  QApplication::exec();
  EXPECT_FALSE(timedOut);
  EXPECT_TRUE(handlerReturned);
  EXPECT_TRUE(YieldWindow::stoppedEarly) << "IsOpen() is false once quit is asked for";
}

TEST_F(Yielding, HookHandlesEventsAtMostOnceEveryFewMillisecondsAndRemovedDoesNothing) {
  fw::InstallRuntimeYield(fw::kYieldIntervalMs);
  bool ran = false;
  QTimer::singleShot(0, qApp, [&] { ran = true; });
  const long before = fw::RuntimeYieldsServed();
  RuntimeBackgroundTask();
  EXPECT_TRUE(ran) << "the first yield after installing handles events";
  for (int i = 0; i < 100000; ++i) RuntimeBackgroundTask();
  EXPECT_LT(fw::RuntimeYieldsServed() - before, 1000);

  fw::RemoveRuntimeYield();
  ran = false;
  QTimer::singleShot(0, qApp, [&] { ran = true; });
  RuntimeBackgroundTask();
  EXPECT_FALSE(ran) << "the library's no-op";
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
}

}  // namespace
