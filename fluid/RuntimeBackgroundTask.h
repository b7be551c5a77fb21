// The library's yield to the event loop. Every long loop of the library calls
// RuntimeBackgroundTask() once per pass; by default it does nothing. The
// application installs a hook that lets the GUI handle pending events, and
// tests may install their own (counting, re-entrant).
//
// The library yields several hundred times per evaluation of the equation of
// state, a few nanoseconds of work apart: the yield itself is an inline
// countdown, and a hook may ask to be run only on every n-th yield.
#pragma once

#include <functional>

using RuntimeYieldHook = std::function<void()>;

// Installs the hook run by every yield; an empty hook restores the no-op.
// Returns the hook that was installed before.
RuntimeYieldHook SetRuntimeYieldHook(RuntimeYieldHook hook);

// Installs a hook run on every n-th yield only (n >= 1), for a hook whose own
// test of whether to act costs more than the work between two yields.
RuntimeYieldHook SetRuntimeYieldHook(RuntimeYieldHook hook, int everyNth);

namespace runtime_yield {
extern int yieldsBeforeHook;  // counts down to the next run of the hook
void RunHook();
}  // namespace runtime_yield

inline void RuntimeBackgroundTask() {
  if (--runtime_yield::yieldsBeforeHook <= 0) runtime_yield::RunHook();
}
