// The perturbation term transcribed step by step as it is written down, every
// combining factor and every root taken anew: the library's faster evaluation
// must agree with it to the last bit.
#pragma once

#include <cstdint>

#include "fluid/Globals.h"

namespace transcription {

struct Result {
  double value = 0;                 // by term mode
  Globals::Composition dG{};        // term mode 2, present components only
  std::array<bool, 5> written{};
};

Result Perturbation(int32_t mode, const Globals::Composition& x, double T, double V);

}  // namespace transcription
