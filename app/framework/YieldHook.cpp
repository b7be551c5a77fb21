#include "app/framework/YieldHook.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "fluid/RuntimeBackgroundTask.h"

namespace fw {

namespace {

struct YieldState {
  QElapsedTimer sinceLast;
  int intervalMs = kYieldIntervalMs;
  long served = 0;
};

// One state for the one event loop; the hook itself captures nothing, so
// the library's copy of it per yield costs no allocation.
YieldState& State() {
  static YieldState state;
  return state;
}

void YieldToQt() {
  YieldState& state = State();
  if (state.sinceLast.isValid() && state.sinceLast.elapsed() < state.intervalMs) return;
  if (!QCoreApplication::instance()) return;
  // Restart first: a handler run from here may yield in turn.
  state.sinceLast.start();
  ++state.served;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace

void InstallRuntimeYield(int intervalMs, int yieldsPerClockCheck) {
  State().intervalMs = intervalMs;
  // Each installation starts afresh: its first yield handles events.
  State().sinceLast.invalidate();
  SetRuntimeYieldHook(&YieldToQt, yieldsPerClockCheck);
}

void RemoveRuntimeYield() { SetRuntimeYieldHook({}); }

long RuntimeYieldsServed() { return State().served; }

}  // namespace fw
