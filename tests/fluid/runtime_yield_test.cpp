// The library's yield: a hook runs on every yield, or on every n-th.
#include <gtest/gtest.h>

#include "fluid/RuntimeBackgroundTask.h"

namespace {

class RuntimeYield : public ::testing::Test {
 protected:
  void TearDown() override { SetRuntimeYieldHook({}); }
};

TEST_F(RuntimeYield, HookRunsOnEveryYieldFromTheNextOneOn) {
  for (int i = 0; i < 10; ++i) RuntimeBackgroundTask();  // no hook: nothing
  int count = 0;
  SetRuntimeYieldHook([&] { ++count; });
  for (int i = 0; i < 7; ++i) RuntimeBackgroundTask();
  EXPECT_EQ(count, 7);
}

TEST_F(RuntimeYield, HookAskingForEveryNthYieldRunsOnTheFirstAndThenEveryNth) {
  int count = 0;
  SetRuntimeYieldHook([&] { ++count; }, 4);
  RuntimeBackgroundTask();
  EXPECT_EQ(count, 1);
  for (int i = 0; i < 8; ++i) RuntimeBackgroundTask();
  EXPECT_EQ(count, 3);
  // Replaced by an every-yield hook, which takes over at once.
  int every = 0;
  SetRuntimeYieldHook([&] { ++every; });
  RuntimeBackgroundTask();
  RuntimeBackgroundTask();
  EXPECT_EQ(every, 2);
  EXPECT_EQ(count, 3);
}

TEST_F(RuntimeYield, SetReturnsTheHookInstalledBefore) {
  int count = 0;
  SetRuntimeYieldHook([&] { ++count; });
  RuntimeYieldHook previous = SetRuntimeYieldHook({});
  RuntimeBackgroundTask();
  EXPECT_EQ(count, 0);
  SetRuntimeYieldHook(previous);
  RuntimeBackgroundTask();
  EXPECT_EQ(count, 1);
}

TEST_F(RuntimeYield, HookMayReplaceItselfAndYieldInTurn) {
  int outer = 0, inner = 0;
  SetRuntimeYieldHook([&] {
    ++outer;
    SetRuntimeYieldHook([&] { ++inner; });
    RuntimeBackgroundTask();  // runs the replacement
  });
  RuntimeBackgroundTask();
  EXPECT_EQ(outer, 1);
  EXPECT_EQ(inner, 1);
  RuntimeBackgroundTask();
  EXPECT_EQ(inner, 2);
}

}  // namespace
