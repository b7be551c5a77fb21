#include "app/framework/YieldHook.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "fluid/RuntimeBackgroundTask.h"

namespace fw {

namespace {

long served = 0;

}  // namespace

void InstallRuntimeYield(int intervalMs) {
  SetRuntimeYieldHook([intervalMs] {
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && !sinceLast.hasExpired(intervalMs)) return;
    if (!QCoreApplication::instance()) return;
    // Restart first: a handler run from here may yield in turn.
    sinceLast.start();
    ++served;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  });
}

void RemoveRuntimeYield() { SetRuntimeYieldHook({}); }

long RuntimeYieldsServed() { return served; }

}  // namespace fw
