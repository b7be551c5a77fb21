// Counts the library's yields to the event loop while it lives.
#pragma once

#include "fluid/RuntimeBackgroundTask.h"

class YieldCounter {
 public:
  YieldCounter() : previous_(SetRuntimeYieldHook([this] { ++count_; })) {}
  ~YieldCounter() { SetRuntimeYieldHook(previous_); }
  YieldCounter(const YieldCounter&) = delete;
  YieldCounter& operator=(const YieldCounter&) = delete;

  int count() const { return count_; }

 private:
  int count_ = 0;
  RuntimeYieldHook previous_;
};
