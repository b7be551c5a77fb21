#include "fluid/RuntimeBackgroundTask.h"

#include <climits>
#include <utility>

namespace runtime_yield {

// With no hook the countdown starts so high that it is renewed only once in
// billions of yields.
constexpr int kNoHookCountdown = INT_MAX / 2;

int yieldsBeforeHook = kNoHookCountdown;

namespace {

struct Installed {
  RuntimeYieldHook hook;
  int everyNth = 1;
};

Installed& installed() {
  static Installed state;
  return state;
}

}  // namespace

void RunHook() {
  Installed& state = installed();
  if (!state.hook) {
    yieldsBeforeHook = kNoHookCountdown;
    return;
  }
  // Renewed before the hook runs: the hook may yield in turn.
  yieldsBeforeHook = state.everyNth;
  // Copy first: a hook may replace itself while it runs.
  RuntimeYieldHook running = state.hook;
  running();
}

}  // namespace runtime_yield

RuntimeYieldHook SetRuntimeYieldHook(RuntimeYieldHook hook, int everyNth) {
  auto& state = runtime_yield::installed();
  state.everyNth = everyNth < 1 ? 1 : everyNth;
  // The new hook (or the no-op) takes over at the next yield.
  runtime_yield::yieldsBeforeHook = 1;
  return std::exchange(state.hook, std::move(hook));
}

RuntimeYieldHook SetRuntimeYieldHook(RuntimeYieldHook hook) {
  return SetRuntimeYieldHook(std::move(hook), 1);
}
