// The library's yield to the event loop. Every long loop of the library calls
// RuntimeBackgroundTask() once per pass; by default it does nothing. The
// application installs a hook that lets the GUI handle pending events, and
// tests may install their own (counting, re-entrant).
#pragma once

#include <functional>

using RuntimeYieldHook = std::function<void()>;

// Installs the hook run by every yield; an empty hook restores the no-op.
// Returns the hook that was installed before.
RuntimeYieldHook SetRuntimeYieldHook(RuntimeYieldHook hook);

void RuntimeBackgroundTask();
