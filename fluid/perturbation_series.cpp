// Mixture coefficients of the perturbation term's density series: the present
// components and their parameters, the combining factors of every combination
// of them, and the sums over all ordered pairs, triples, quadruples and
// quintuples of components.
//
// Speed: a pressure evaluation calls this once, a root solve some hundred
// times. What depends only on the component (its parameter products, the cube
// root of its co-volume) is formed once per call, and the combining factors
// are kept by combination. The roots of parameter products are kept by their
// exact argument: every ordering of a combination forms its product in its own
// order, so a handful of distinct arguments stands behind the up to 120
// orderings of a combination, and a root found again is the same number. The
// sums themselves are formed in full, in their written order.
#include <bit>
#include <cmath>
#include <cstddef>

#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/perturbation_internal.h"

namespace Globals::perturbation {
namespace {

constexpr double oneThird = 1.0 / 3.0;
constexpr double oneQuarter = 1.0 / 4.0;
constexpr double oneFifth = 1.0 / 5.0;

// One component as the sums see it.
struct Member {
  int32_t component = 0;
  int32_t weight = 0;     // its share of a combination's key
  double x = 0;           // mole fraction (0 for an infinitely dilute one)
  double a = 0;           // attraction
  double cubeRootB = 0;   // b^(1/3), for the mean co-volumes
  double ac = 0, ad = 0, ae = 0;
};

// Combining factors by combination, and the roots of parameter products
// times those factors, remembered by their exact argument.
class CombinationStore {
 public:
  // A combination met for the first time: its factor, and no root known yet.
  void setFactor(int32_t key, double f) {
    const int32_t index = CombinationIndex[key];
    factor_[index] = f;
    argument_[index].fill(noArgument);
  }
  double factor(int32_t key) const { return factor_[CombinationIndex[key]]; }

  // root_n(product) · factor of the combination, n = 1/exponent. The few
  // arguments of one combination differ in their last bits, so those bits
  // choose the slot.
  double rootTimesFactor(int32_t key, double product, double exponent) {
    const int32_t index = CombinationIndex[key];
    const uint64_t argument = std::bit_cast<uint64_t>(product);
    const std::size_t slot = argument % Slots;
    if (argument_[index][slot] == argument) return value_[index][slot];
    const double result = SignedRoot(product, exponent) * factor_[index];
    argument_[index][slot] = argument;
    value_[index][slot] = result;
    return result;
  }

 private:
  static constexpr std::size_t Slots = 8;
  // No product of parameters has this bit pattern (a NaN with every bit set).
  static constexpr uint64_t noArgument = ~uint64_t{0};
  // Only entries of combinations met in this call are written and read.
  std::array<double, CombinationCount> factor_;
  std::array<std::array<uint64_t, Slots>, CombinationCount> argument_;
  std::array<std::array<double, Slots>, CombinationCount> value_;
};

struct Mixture {
  std::array<Member, 5> members{};
  int32_t count = 0;
};

Member memberOf(int32_t component, double x, const ComponentParameters& p) {
  Member m;
  m.component = component;
  m.weight = ComponentWeight[component];
  m.x = x;
  m.a = p.a;
  m.cubeRootB = std::pow(p.b, oneThird);
  m.ac = p.a * p.c;
  m.ad = p.a * p.d;
  m.ae = p.a * p.e;
  return m;
}

// Present components (x > 0, so a NaN fraction is absent) in component order.
Mixture presentComponents(const Composition& x, double T) {
  Mixture mix;
  std::array<ComponentParameters, 5> parameters;
  for (int32_t c = 0; c < 5; ++c) {
    if (x[c] > 0) {
      parameters[mix.count] = ComponentParametersAt(c, T);
      mix.members[mix.count].component = c;
      mix.members[mix.count].x = x[c];
      ++mix.count;
    }
    RuntimeBackgroundTask();
  }
  for (int32_t p = 0; p < mix.count; ++p) {
    Member& m = mix.members[p];
    m = memberOf(m.component, m.x, parameters[p]);
    RuntimeBackgroundTask();
  }
  return mix;
}

// Every combination with repetition of the present components, visited once
// in ascending position order, gets its rule factor.
void storeRuleFactors(const Mixture& mix, const TemperatureFunctions& tf, CombinationStore& store) {
  const int32_t n = mix.count;
  const auto& m = mix.members;
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = i; j < n; ++j) {
      const int32_t k2 = m[i].weight + m[j].weight;
      store.setFactor(k2, RuleFactor(k2, tf));
      for (int32_t k = j; k < n; ++k) {
        const int32_t k3 = k2 + m[k].weight;
        store.setFactor(k3, RuleFactor(k3, tf));
        for (int32_t l = k; l < n; ++l) {
          const int32_t k4 = k3 + m[l].weight;
          store.setFactor(k4, RuleFactor(k4, tf));
          for (int32_t q = l; q < n; ++q) {
            const int32_t k5 = k4 + m[q].weight;
            store.setFactor(k5, RuleFactor(k5, tf));
            RuntimeBackgroundTask();
          }
          RuntimeBackgroundTask();
        }
        RuntimeBackgroundTask();
      }
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
}

// With water and both salts present, their mixed triple and quadruples take
// the geometric means of the pair-type factors.
void storeSaltWaterFactors(const Mixture& mix, const TemperatureFunctions& tf,
                           CombinationStore& store) {
  const int32_t n = mix.count;
  const auto& m = mix.members;
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = i; j < n; ++j) {
      for (int32_t k = j; k < n; ++k) {
        const int32_t k3 = m[i].weight + m[j].weight + m[k].weight;
        if (HoldsWaterAndBothSalts(k3)) store.setFactor(k3, SaltWaterTripleFactor(tf));
        for (int32_t l = k; l < n; ++l) {
          const int32_t k4 = k3 + m[l].weight;
          if (HoldsWaterAndBothSalts(k4)) store.setFactor(k4, SaltWaterQuadrupleFactor(tf));
          RuntimeBackgroundTask();
        }
        RuntimeBackgroundTask();
      }
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
}

// The combinations of one infinitely dilute component with the present ones
// (it occurs once in each), with the factors they take as it appears.
void storeDiluteFactors(const Member& dilute, const Mixture& mix, const TemperatureFunctions& tf,
                        CombinationStore& store) {
  const int32_t n = mix.count;
  const auto& m = mix.members;
  for (int32_t j = 0; j < n; ++j) {
    const int32_t k2 = dilute.weight + m[j].weight;
    store.setFactor(k2, CombiningFactor(k2, tf));
    for (int32_t k = j; k < n; ++k) {
      const int32_t k3 = k2 + m[k].weight;
      store.setFactor(k3, CombiningFactor(k3, tf));
      for (int32_t l = k; l < n; ++l) {
        const int32_t k4 = k3 + m[l].weight;
        store.setFactor(k4, CombiningFactor(k4, tf));
        for (int32_t q = l; q < n; ++q) {
          const int32_t k5 = k4 + m[q].weight;
          store.setFactor(k5, CombiningFactor(k5, tf));
          RuntimeBackgroundTask();
        }
        RuntimeBackgroundTask();
      }
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
}

// One pass of the outer index i over all ordered tuples (i, j, k, l, m) of
// the present components: the contributions to A1…A4 (when SumA) and the
// derivative sums D1…D4 of i (when SumD).
template <bool SumA, bool SumD>
void outerPass(const Member& mi, const Mixture& mix, CombinationStore& store,
               std::array<double, 4>& A, std::array<double, 4>& D) {
  const int32_t n = mix.count;
  const auto& m = mix.members;
  for (int32_t j = 0; j < n; ++j) {
    const Member& mj = m[j];
    const int32_t k2 = mi.weight + mj.weight;
    const double aij = SignedSquareRoot(mi.a * mj.a) * store.factor(k2);
    const double x2 = mi.x * mj.x;
    if constexpr (SumA) A[0] += x2 * aij;
    if constexpr (SumD) D[0] += (2 * mj.x) * aij;
    const double ac2 = mi.ac * mj.ac;
    const double ad2 = mi.ad * mj.ad;
    const double ae2 = mi.ae * mj.ae;
    const double s2 = mi.cubeRootB + mj.cubeRootB;
    const double dx3j = 3 * mj.x, dx4j = 4 * mj.x, dx5j = 5 * mj.x;

    for (int32_t k = 0; k < n; ++k) {
      const Member& mk = m[k];
      const int32_t k3 = k2 + mk.weight;
      const double s3 = s2 + mk.cubeRootB;
      const double q3 = s3 / 3;
      const double B3 = q3 * q3 * q3;
      const double c = store.rootTimesFactor(k3, ac2 * mk.ac, oneThird);
      const double x3 = x2 * mk.x;
      if constexpr (SumA) A[1] += x3 * c * B3;
      if constexpr (SumD) D[1] += dx3j * mk.x * c * B3;
      const double ad3 = ad2 * mk.ad;
      const double ae3 = ae2 * mk.ae;
      const double dx4jk = dx4j * mk.x, dx5jk = dx5j * mk.x;

      for (int32_t l = 0; l < n; ++l) {
        const Member& ml = m[l];
        const int32_t k4 = k3 + ml.weight;
        const double s4 = s3 + ml.cubeRootB;
        const double q4 = s4 / 4;
        const double B4 = q4 * q4 * q4;
        const double d = store.rootTimesFactor(k4, ad3 * ml.ad, oneQuarter);
        const double x4 = x3 * ml.x;
        if constexpr (SumA) A[2] += x4 * d * B4 * B4;
        if constexpr (SumD) D[2] += dx4jk * ml.x * d * B4 * B4;
        const double ae4 = ae3 * ml.ae;
        const double dx5jkl = dx5jk * ml.x;

        // The innermost passes yield after their sums: a call between them
        // would hold the running sums in memory instead of registers.
        double A4 = A[3], D4 = D[3];
        for (int32_t q = 0; q < n; ++q) {
          const Member& mq = m[q];
          const int32_t k5 = k4 + mq.weight;
          const double s5 = s4 + mq.cubeRootB;
          const double q5 = s5 / 5;
          const double B5 = q5 * q5 * q5;
          const double e = store.rootTimesFactor(k5, ae4 * mq.ae, oneFifth);
          if constexpr (SumA) A4 += x4 * mq.x * e * B5 * B5 * B5;
          if constexpr (SumD) D4 += dx5jkl * mq.x * e * B5 * B5 * B5;
        }
        A[3] = A4;
        D[3] = D4;
        for (int32_t q = 0; q < n; ++q) RuntimeBackgroundTask();
        RuntimeBackgroundTask();
      }
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
}

}  // namespace

SeriesCoefficients SeriesCoefficientsAt(const Composition& x, double T, bool withDerivatives) {
  SeriesCoefficients out;
  const Mixture mix = presentComponents(x, T);

  const TemperatureFunctions tf = TemperatureFunctionsAt(T);
  CombinationStore store;
  storeRuleFactors(mix, tf, store);
  storeSaltWaterFactors(mix, tf, store);

  for (int32_t p = 0; p < mix.count; ++p) {
    const Member& mi = mix.members[p];
    std::array<double, 4> D{};
    if (withDerivatives) {
      outerPass<true, true>(mi, mix, store, out.A, D);
      out.D[mi.component] = D;
      out.hasDerivative[mi.component] = true;
    } else {
      outerPass<true, false>(mi, mix, store, out.A, D);
    }
    RuntimeBackgroundTask();
  }

  if (withDerivatives) {
    for (int32_t c = 0; c < 5; ++c) {
      if (x[c] > 0) continue;
      const Member dilute = memberOf(c, 0, ComponentParametersAt(c, T));
      storeDiluteFactors(dilute, mix, tf, store);
      std::array<double, 4> D{};
      outerPass<false, true>(dilute, mix, store, out.A, D);
      out.D[c] = D;
      out.hasDerivative[c] = true;
      RuntimeBackgroundTask();
    }
  }
  return out;
}

}  // namespace Globals::perturbation
