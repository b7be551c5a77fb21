// The scan of a pressure function over molar volume behind
// Globals::Volume_Approach.
#pragma once

#include <cstdint>
#include <functional>

namespace Globals {

// From 16 cm3/mol upward in steps of 1 to the first positive pressure (at most
// 20,000 steps), then 501 steps growing by a factor 1.005, recording the
// volumes just past the first eight sign changes of pressureAt(V) − P.
// Mode 0: the smallest recorded volume, else 15; mode 1: the largest of the
// first seven, else 1000; any other mode: 0.
double ScanForStartVolume(int32_t mode, const std::function<double(double)>& pressureAt, double P);

// The result of a scan that found nothing.
double ScanFallback(int32_t mode);

}  // namespace Globals
