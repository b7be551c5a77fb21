// The library's evaluation of the perturbation term (combination-keyed
// factors, remembered roots) keeps every bit of the term transcribed step by
// step as it is written down, every combining factor and every root taken anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "fluid/Globals.h"
#include "fluid/perturbation_internal.h"

namespace {

using namespace Globals::perturbation;

double signedRoot(double p, double n) { return p >= 0 ? std::pow(p, 1.0 / n) : -std::pow(-p, 1.0 / n); }

// Mean co-volume of positions, cube roots summed in the given order.
double meanCoVolume(const double* b, std::initializer_list<int> positions) {
  double s = 0;
  for (int p : positions) s += std::pow(b[p], 1.0 / 3.0);
  const double q = s / static_cast<double>(positions.size());
  return q * q * q;
}

// The combining factor of the components at these positions, in any order:
// the rule's, except that water with both salts takes the geometric mean of
// the water–salt and salt–salt combinations of its order.
template <std::size_t N>
double factor(const int* ids, std::array<int, N> positions, const TemperatureFunctions& tf) {
  std::array<int32_t, N> c;
  for (std::size_t s = 0; s < N; ++s) c[s] = ids[positions[s]];
  std::sort(c.begin(), c.end());
  const auto rule = [&](auto... k) { return RuleFactor(std::array<int32_t, sizeof...(k)>{k...}, tf); };
  const Component W = H2O, Na = NaCl, K = KCl;
  if constexpr (N == 3) {
    if (c == std::array<int32_t, 3>{W, Na, K})
      return signedRoot(rule(W, W, Na) * rule(W, Na, Na) * rule(W, W, K) * rule(W, K, K) *
                            rule(Na, Na, K) * rule(Na, K, K), 6);
  }
  if constexpr (N == 4) {
    if (c[0] == W && c[3] == K &&
        ((c[1] == W && c[2] == Na) || (c[1] == Na && c[2] == Na) || (c[1] == Na && c[2] == K)))
      return signedRoot(rule(W, W, W, Na) * rule(W, W, Na, Na) * rule(W, Na, Na, Na) *
                            rule(W, W, W, K) * rule(W, W, K, K) * rule(W, K, K, K) *
                            rule(Na, Na, Na, K) * rule(Na, Na, K, K) * rule(Na, K, K, K), 9);
  }
  return RuleFactor(c, tf);
}

struct Result {
  double value = 0;           // by term mode
  Globals::Composition dG{};  // term mode 2, present components only
};

Result transcribed(int32_t mode, const Globals::Composition& x, double T, double V) {
  Result r;
  int ids[5] = {0, 0, 0, 0, 0};
  double xc[5] = {}, a[5] = {}, b[5] = {}, ac[5] = {}, ad[5] = {}, ae[5] = {};
  if (!(T > 0 && V > 0)) return r;
  int n = 0;
  for (int i = 0; i < 5; ++i) {
    if (x[i] > 0) {
      const ComponentParameters p = ComponentParametersAt(i, T);
      ids[n] = i;
      xc[n] = x[i];
      a[n] = p.a;
      b[n] = Globals::b_ind(i);
      ac[n] = p.a * p.c;
      ad[n] = p.a * p.d;
      ae[n] = p.a * p.e;
      ++n;
    }
  }
  const TemperatureFunctions tf = TemperatureFunctionsAt(T);
  double A1 = 0, A2 = 0, A3 = 0, A4 = 0;
  double dAper[5] = {};
  for (int i = 0; i < n; ++i) {
    double D1 = 0, D2 = 0, D3 = 0, D4 = 0;
    for (int j = 0; j < n; ++j) {
      const double pa = a[i] * a[j];
      const double aij = (pa >= 0 ? std::sqrt(pa) : -std::sqrt(-pa)) * factor(ids, std::array{i, j}, tf);
      A1 += (xc[i] * xc[j]) * aij;
      D1 += (2 * xc[j]) * aij;
      for (int k = 0; k < n; ++k) {
        const double B3 = meanCoVolume(b, {i, j, k});
        const double cijk = signedRoot(ac[i] * ac[j] * ac[k], 3) * factor(ids, std::array{i, j, k}, tf);
        A2 += ((xc[i] * xc[j]) * xc[k]) * cijk * B3;
        D2 += ((3 * xc[j]) * xc[k]) * cijk * B3;
        for (int l = 0; l < n; ++l) {
          const double B4 = meanCoVolume(b, {i, j, k, l});
          const double dijkl = signedRoot(ad[i] * ad[j] * ad[k] * ad[l], 4) *
                               factor(ids, std::array{i, j, k, l}, tf);
          A3 += (xc[i] * xc[j] * xc[k] * xc[l]) * dijkl * B4 * B4;
          D3 += (4 * xc[j] * xc[k] * xc[l]) * dijkl * B4 * B4;
          for (int m = 0; m < n; ++m) {
            const double B5 = meanCoVolume(b, {i, j, k, l, m});
            const double eijklm = signedRoot(ae[i] * ae[j] * ae[k] * ae[l] * ae[m], 5) *
                                  factor(ids, std::array{i, j, k, l, m}, tf);
            A4 += (xc[i] * xc[j] * xc[k] * xc[l] * xc[m]) * eijklm * B5 * B5 * B5;
            D4 += (5 * xc[j] * xc[k] * xc[l] * xc[m]) * eijklm * B5 * B5 * B5;
          }
        }
      }
    }
    dAper[i] = -(D1 / V + D2 / (4 * V * V) + D3 / (16 * V * V * V) + D4 / (64 * V * V * V * V)) / 10;
  }
  const double A_per =
      -(A1 / V + A2 / (4 * V * V) + A3 / (16 * V * V * V) + A4 / (64 * V * V * V * V)) / 10;
  const double Z_per = (A1 / V + 2 * A2 / (4 * V * V) + 3 * A3 / (16 * V * V * V) +
                        4 * A4 / (64 * V * V * V * V)) / (-83.14472 * T);
  if (mode == 0 || mode == 2) r.value = Z_per;
  if (mode == 1) r.value = A_per;
  for (int p = 0; mode == 2 && p < n; ++p) r.dG[ids[p]] = dAper[p] / (8.314472 * T);
  return r;
}

using Globals::Composition;

const Composition fluids[] = {
    {1, 0, 0, 0, 0},           {0, 1, 0, 0, 0},          {0, 0, 1, 0, 0},
    {0, 0, 0, 1, 0},           {0, 0, 0, 0, 1},          {0.7, 0.3, 0, 0, 0},
    {0.9, 0, 0, 0.1, 0},       {0.85, 0, 0, 0.1, 0.05},  {0, 0.3, 0, 0.7, 0},
    {0.6, 0.1, 0.1, 0.1, 0.1}, {0.2, 0.2, 0.2, 0.2, 0.2}, {0.5, 0.25, 0.25, 0, 0},
    {0.3, 0, 0.6, 0.1, 0},     {0, 0, 0, 0.4, 0.6},      {0.123, 0.456, 0.0789, 0.2, 0.1421},
};
const double temperatures[] = {150, 300, 540.3, 573.2, 621.79, 760.068, 999.9, 1000, 1300, 1500};
const double volumes[] = {20, 35.5, 120, 2500};

uint64_t bits(double v) { return std::bit_cast<uint64_t>(v); }

TEST(PerturbationTranscription, EveryModeAndDerivativeAgreesToTheLastBit) {
  for (const Composition& x : fluids)
    for (double T : temperatures)
      for (double V : volumes)
        for (int32_t mode : {0, 1, 2, 3}) {
          SCOPED_TRACE(testing::Message() << "x = {" << x[0] << ", " << x[1] << ", " << x[2]
                                          << ", " << x[3] << ", " << x[4] << "}, T = " << T
                                          << ", V = " << V << ", mode " << mode);
          const Result expected = transcribed(mode, x, T, V);
          const double value = Globals::Perturbation(mode, x, T, V);
          ASSERT_EQ(bits(value), bits(expected.value)) << value << " vs " << expected.value;
          if (mode != 2) continue;
          for (int c = 0; c < 5; ++c) {
            if (!(x[c] > 0)) continue;
            ASSERT_EQ(bits(Globals::dGper[c]), bits(expected.dG[c]))
                << "component " << c << ": " << Globals::dGper[c] << " vs " << expected.dG[c];
          }
        }
}

}  // namespace
