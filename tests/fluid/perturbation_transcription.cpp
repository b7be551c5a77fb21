#include "fluid/perturbation_transcription.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "fluid/perturbation_internal.h"

namespace transcription {
namespace {

using namespace Globals::perturbation;

double signedRoot(double p, double n) { return p >= 0 ? std::pow(p, 1.0 / n) : -std::pow(-p, 1.0 / n); }

// Mean co-volume of positions, cube roots summed in the given order.
double meanCoVolume(const double* b, std::initializer_list<int> positions) {
  double s = 0;
  bool first = true;
  for (int p : positions) {
    s = first ? std::pow(b[p], 1.0 / 3.0) : s + std::pow(b[p], 1.0 / 3.0);
    first = false;
  }
  const double q = s / static_cast<double>(positions.size());
  return q * q * q;
}

template <std::size_t N>
double ruleOf(const int* ids, const std::array<int, N>& positions, const TemperatureFunctions& tf) {
  std::array<int32_t, N> components;
  for (std::size_t s = 0; s < N; ++s) components[s] = ids[positions[s]];
  return RuleFactor(components, tf);
}

// Writes v at every ordering of the positions.
template <std::size_t N>
void storeAllOrderings(std::vector<double>& F, std::array<int, N> positions, double v) {
  std::sort(positions.begin(), positions.end());
  do {
    int index = 0;
    for (int p : positions) index = index * 5 + p;
    F[index] = v;
  } while (std::next_permutation(positions.begin(), positions.end()));
}

template <std::size_t N>
double at(const std::vector<double>& F, const std::array<int, N>& positions) {
  int index = 0;
  for (int p : positions) index = index * 5 + p;
  return F[index];
}

}  // namespace

Result Perturbation(int32_t mode, const Globals::Composition& x, double T, double V) {
  Result r;
  int ids[5] = {0, 0, 0, 0, 0};
  double xc[5] = {}, a[5] = {}, b[5] = {}, c[5] = {}, d[5] = {}, e[5] = {};
  double ac[5] = {}, ad[5] = {}, ae[5] = {};
  if (!(T > 0 && V > 0)) return r;
  int n = 0;
  for (int i = 0; i < 5; ++i) {
    if (x[i] > 0) {
      const ComponentParameters p = ComponentParametersAt(i, T);
      ids[n] = i;
      xc[n] = x[i];
      a[n] = p.a;
      b[n] = Globals::b_ind(i);
      c[n] = p.c;
      d[n] = p.d;
      e[n] = p.e;
      ++n;
    }
  }
  const int nlast = n - 1;
  for (int p = 0; p <= nlast; ++p) {
    ac[p] = a[p] * c[p];
    ad[p] = a[p] * d[p];
    ae[p] = a[p] * e[p];
  }
  const TemperatureFunctions tf = TemperatureFunctionsAt(T);
  std::vector<double> F2(25, 0.0), F3(125, 0.0), F4(625, 0.0), F5(3125, 0.0);
  for (int i = 0; i <= nlast; ++i)
    for (int j = i; j <= nlast; ++j) {
      storeAllOrderings(F2, std::array{i, j}, ruleOf(ids, std::array{i, j}, tf));
      for (int k = j; k <= nlast; ++k) {
        storeAllOrderings(F3, std::array{i, j, k}, ruleOf(ids, std::array{i, j, k}, tf));
        for (int l = k; l <= nlast; ++l) {
          storeAllOrderings(F4, std::array{i, j, k, l}, ruleOf(ids, std::array{i, j, k, l}, tf));
          for (int m = l; m <= nlast; ++m)
            storeAllOrderings(F5, std::array{i, j, k, l, m},
                              ruleOf(ids, std::array{i, j, k, l, m}, tf));
        }
      }
    }

  int pW = -1, pN = -1, pK = -1;
  for (int p = 0; p <= nlast; ++p) {
    if (ids[p] == 0) pW = p;
    if (ids[p] == 3) pN = p;
    if (ids[p] == 4) pK = p;
  }
  for (int i = 0; i <= nlast; ++i)
    for (int j = i; j <= nlast; ++j)
      for (int k = j; k <= nlast; ++k) {
        if (ids[i] == 0 && ids[j] == 3 && ids[k] == 4) {
          const double P = at(F3, std::array{pW, pW, pN}) * at(F3, std::array{pW, pN, pN}) *
                           at(F3, std::array{pW, pW, pK}) * at(F3, std::array{pW, pK, pK}) *
                           at(F3, std::array{pN, pN, pK}) * at(F3, std::array{pN, pK, pK});
          storeAllOrderings(F3, std::array{i, j, k}, signedRoot(P, 6));
        }
        for (int l = k; l <= nlast; ++l) {
          const int t0 = ids[i], t1 = ids[j], t2 = ids[k], t3 = ids[l];
          const bool mixed = t0 == 0 && t3 == 4 &&
                             ((t1 == 0 && t2 == 3) || (t1 == 3 && t2 == 3) || (t1 == 3 && t2 == 4));
          if (mixed) {
            const double P =
                at(F4, std::array{pW, pW, pW, pN}) * at(F4, std::array{pW, pW, pN, pN}) *
                at(F4, std::array{pW, pN, pN, pN}) * at(F4, std::array{pW, pW, pW, pK}) *
                at(F4, std::array{pW, pW, pK, pK}) * at(F4, std::array{pW, pK, pK, pK}) *
                at(F4, std::array{pN, pN, pN, pK}) * at(F4, std::array{pN, pN, pK, pK}) *
                at(F4, std::array{pN, pK, pK, pK});
            storeAllOrderings(F4, std::array{i, j, k, l}, signedRoot(P, 9));
          }
        }
      }

  double A1 = 0, A2 = 0, A3 = 0, A4 = 0;
  double dAper[5] = {};
  for (int i = 0; i <= nlast; ++i) {
    double D1 = 0, D2 = 0, D3 = 0, D4 = 0;
    for (int j = 0; j <= nlast; ++j) {
      const double pa = a[i] * a[j];
      const double aij = (pa >= 0 ? std::sqrt(pa) : -std::sqrt(-pa)) * at(F2, std::array{i, j});
      A1 += (xc[i] * xc[j]) * aij;
      D1 += (2 * xc[j]) * aij;
      for (int k = 0; k <= nlast; ++k) {
        const double B3 = meanCoVolume(b, {i, j, k});
        const double cijk = signedRoot(ac[i] * ac[j] * ac[k], 3) * at(F3, std::array{i, j, k});
        A2 += ((xc[i] * xc[j]) * xc[k]) * cijk * B3;
        D2 += ((3 * xc[j]) * xc[k]) * cijk * B3;
        for (int l = 0; l <= nlast; ++l) {
          const double B4 = meanCoVolume(b, {i, j, k, l});
          const double dijkl =
              signedRoot(ad[i] * ad[j] * ad[k] * ad[l], 4) * at(F4, std::array{i, j, k, l});
          A3 += (xc[i] * xc[j] * xc[k] * xc[l]) * dijkl * B4 * B4;
          D3 += (4 * xc[j] * xc[k] * xc[l]) * dijkl * B4 * B4;
          for (int m = 0; m <= nlast; ++m) {
            const double B5 = meanCoVolume(b, {i, j, k, l, m});
            const double eijklm = signedRoot(ae[i] * ae[j] * ae[k] * ae[l] * ae[m], 5) *
                                  at(F5, std::array{i, j, k, l, m});
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
  switch (mode) {
    case 0: r.value = Z_per; break;
    case 1: r.value = A_per; break;
    case 2: {
      r.value = Z_per;
      int counter = 0;
      for (int cc = 0; cc < 5; ++cc) {
        if (x[cc] > 0) {
          r.dG[cc] = dAper[counter] / (8.314472 * T);
          r.written[cc] = true;
          ++counter;
        }
      }
      break;
    }
    default: r.value = 0;
  }
  return r;
}

}  // namespace transcription
