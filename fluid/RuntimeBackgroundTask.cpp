#include "fluid/RuntimeBackgroundTask.h"

#include <utility>

namespace {
RuntimeYieldHook& installedHook() {
  static RuntimeYieldHook hook;
  return hook;
}
}  // namespace

RuntimeYieldHook SetRuntimeYieldHook(RuntimeYieldHook hook) {
  return std::exchange(installedHook(), std::move(hook));
}

void RuntimeBackgroundTask() {
  // Copy first: a hook may replace itself while it runs.
  if (RuntimeYieldHook& hook = installedHook()) {
    RuntimeYieldHook running = hook;
    running();
  }
}
