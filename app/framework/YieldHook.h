// The library's yield (RuntimeBackgroundTask) on the Qt event loop: pending
// events are handled at most once every few milliseconds, however often the
// library yields.
#pragma once

namespace fw {

inline constexpr int kYieldIntervalMs = 5;

// The library yields every few nanoseconds of work: the clock is read only on
// every so many yields (a microsecond or two of work apart).
inline constexpr int kYieldsPerClockCheck = 512;

// Installs the hook; the program calls it once at start-up (tests may ask
// for every yield to handle events: InstallRuntimeYield(0, 1)).
void InstallRuntimeYield(int intervalMs = kYieldIntervalMs,
                         int yieldsPerClockCheck = kYieldsPerClockCheck);

// Restores the library's no-op yield.
void RemoveRuntimeYield();

// Number of times the hook let Qt handle events (for tests).
long RuntimeYieldsServed();

}  // namespace fw
