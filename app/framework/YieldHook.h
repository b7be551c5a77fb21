// The library's yield (RuntimeBackgroundTask) on the Qt event loop: pending
// events are handled at most once every few milliseconds, however often the
// library yields.
#pragma once

namespace fw {

inline constexpr int kYieldIntervalMs = 5;

// Installs the hook; the program calls it once at start-up.
void InstallRuntimeYield(int intervalMs = kYieldIntervalMs);

// Restores the library's no-op yield.
void RemoveRuntimeYield();

// Number of times the hook let Qt handle events (for tests).
long RuntimeYieldsServed();

}  // namespace fw
