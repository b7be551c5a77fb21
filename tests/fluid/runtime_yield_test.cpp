// The library's yield: a hook runs on every yield, or on every n-th.
#include <gtest/gtest.h>

#include "fluid/RuntimeBackgroundTask.h"

namespace {

TEST(RuntimeYield, HookRunsOnEveryOrEveryNthYieldAndCanBeSwapped) {
  for (int i = 0; i < 10; ++i) RuntimeBackgroundTask();  // no hook: nothing
  int nth = 0, every = 0;
  SetRuntimeYieldHook([&] { ++nth; }, 4);
  RuntimeBackgroundTask();
  EXPECT_EQ(nth, 1) << "the first yield runs it";
  for (int i = 0; i < 8; ++i) RuntimeBackgroundTask();
  EXPECT_EQ(nth, 3);
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] { ++every; });
  RuntimeBackgroundTask();
  RuntimeBackgroundTask();
  EXPECT_EQ(every, 2) << "an every-yield hook takes over at once";
  EXPECT_EQ(nth, 3);
  SetRuntimeYieldHook(previous);
  RuntimeBackgroundTask();
  EXPECT_EQ(nth, 4) << "the returned hook is the one installed before";
  SetRuntimeYieldHook({});
}

TEST(RuntimeYield, HookMayReplaceItselfAndYieldInTurn) {
  int outer = 0, inner = 0;
  SetRuntimeYieldHook([&] {
    ++outer;
    SetRuntimeYieldHook([&] { ++inner; });
    RuntimeBackgroundTask();  // runs the replacement
  });
  RuntimeBackgroundTask();
  RuntimeBackgroundTask();
  EXPECT_EQ(outer, 1);
  EXPECT_EQ(inner, 2);
  SetRuntimeYieldHook({});
}

}  // namespace
