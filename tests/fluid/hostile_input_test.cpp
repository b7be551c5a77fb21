// Every public function of the library, driven by a seeded stream of hostile
// inputs: zeros, negative numbers, NaN, ±inf, 1e300, denormals, compositions
// that are all zero, negative or not normalised, indices out of range.
//
// Each call must come back (within a bounded number of event-loop yields),
// raise nothing and touch no memory outside its arrays (the sanitizers of
// the test build watch that). A temperature, pressure or volume that is not
// a finite positive number must give the function's failure value, never
// NaN.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

using Globals::Composition;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kHostileNumbers[] = {0.0,  -0.0, -1.0,  -273.15, -1e300,       1e300,         kNaN,   kInf,
                                  -kInf, DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN, DBL_MAX, -DBL_MAX, 1e-300, 1e-10};
const int32_t kHostileIndices[] = {-1, -2, 5, 6, 7, 100, std::numeric_limits<int32_t>::min(),
                                   std::numeric_limits<int32_t>::max()};

bool bad(double v) { return !(v > 0) || !std::isfinite(v); }

class HostileStream {
 public:
  explicit HostileStream(uint64_t seed) : rng_(seed) {}

  // Mostly a plausible value in [lo, hi], often a hostile one.
  double Number(double lo, double hi) { return Chance(0.4) ? Pick(kHostileNumbers) : Uniform(lo, hi); }
  double Temperature() { return Number(150, 1500); }  // K
  double Pressure() { return Number(0.01, 500); }     // MPa
  double Volume() { return Number(5, 2000); }         // cm3/mol
  double Fraction() { return Number(0, 1); }
  // Mostly an index in [lo, hi], sometimes far outside.
  int32_t Index(int32_t lo, int32_t hi) {
    return Chance(0.3) ? Pick(kHostileIndices) : std::uniform_int_distribution<int32_t>(lo, hi)(rng_);
  }
  // Normalised, all zero, with negative entries, not normalised, entry by
  // entry hostile, or one pure component.
  Composition Mixture() {
    Composition x{};
    double sum = 0;
    switch (std::uniform_int_distribution<int>(0, 5)(rng_)) {
      case 0:
        for (double& xi : x) sum += xi = Uniform(0, 1);
        for (double& xi : x) xi /= sum;
        break;
      case 1: break;
      case 2: for (double& xi : x) xi = Uniform(-1, 1); break;
      case 3: for (double& xi : x) xi = Uniform(0, 5); break;
      case 4: for (double& xi : x) xi = Number(0, 1); break;
      default: x[std::uniform_int_distribution<int>(0, 4)(rng_)] = 1;
    }
    return x;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
  template <class T, size_t N>
  T Pick(const T (&values)[N]) { return values[std::uniform_int_distribution<size_t>(0, N - 1)(rng_)]; }
  std::mt19937_64 rng_;
};

std::ostream& operator<<(std::ostream& os, const Composition& x) {
  return os << '{' << x[0] << ", " << x[1] << ", " << x[2] << ", " << x[3] << ", " << x[4] << '}';
}

template <class... Args>
std::string describe(const char* name, const Args&... args) {
  std::ostringstream os;
  os.precision(17);
  os << name << '(';
  int n = 0;
  ((os << (n++ ? ", " : "") << args), ...);
  os << ')';
  return os.str();
}

std::vector<double> values(double v) { return {v}; }
template <size_t N>
std::vector<double> values(const std::array<double, N>& a) { return {a.begin(), a.end()}; }

struct TooManyYields {};

// One call: it must return within maxYields yields (a call that goes beyond
// is stopped by an exception from inside the yield) and raise nothing; when
// `invalid` holds, its result must be one of the failure values (NaN matches
// none).
template <class Call, class... Args>
void check(long maxYields, bool invalid, std::vector<std::vector<double>> failures, Call call,
           const char* name, const Args&... args) {
  long count = 0;
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
    if (++count > maxYields) throw TooManyYields{};
  });
  std::vector<double> result;
  try {
    result = values(call());
  } catch (const TooManyYields&) {
    ADD_FAILURE() << describe(name, args...) << " yielded more than " << maxYields << " times";
  } catch (...) {
    ADD_FAILURE() << describe(name, args...) << " raised an exception";
  }
  SetRuntimeYieldHook(previous);
  if (!invalid || result.empty() || std::find(failures.begin(), failures.end(), result) != failures.end()) return;
  std::ostringstream got;
  for (double v : result) got << v << ' ';
  ADD_FAILURE() << describe(name, args...) << " gave " << got.str()
                << "instead of its failure value for a temperature, pressure or volume that is not "
                   "a finite positive number";
}

// The yield bounds follow the loops of each function: one yield per pass.
// The equation of state: the lowest volume (5 passes), the repulsive term (two
// loops over the components), the dipolar term (component, pair and triple
// loops, about 300 passes) and the perturbation term (its loop nests over at
// most five present components, about 4300 passes).
constexpr long kEquationOfStateYields = 2 * 5 + 2 * 5 + 300 + 5000;
// Two start points, then at most 500 passes of one evaluation and one yield.
constexpr long kSolverYields = 502 * kEquationOfStateYields + 500;
// The volume scan: an upward search of at most 20000 steps, 501 geometric
// steps and the choice among seven slots, each with one evaluation.
constexpr long kVolumeScanYields = (20000 + 501 + 7) * (kEquationOfStateYields + 1);
constexpr long kHallYields = 3;
constexpr long kCotecticYields = 101 + (2 + 2 * 101) * kHallYields;
constexpr long kSecant650Yields = 101;

// One call's arguments, drawn whether a function uses them or not: a mode,
// component, curve or line index, a composition, a temperature, pressure and
// volume, three fractions, a temperature of the salt-liquid range (K) and
// three cubic coefficients.
struct Args {
  int32_t mode, index, curve;
  Composition x;
  double T, P, V, f[3], Tsalt, c[3];
};

Args draw(HostileStream& in) {
  return {in.Index(0, 2), in.Index(0, 4), in.Index(1, 5), in.Mixture(), in.Temperature(), in.Pressure(), in.Volume(),
          {in.Fraction(), in.Fraction(), in.Fraction()}, in.Number(200, 1000),
          {in.Number(-100, 100), in.Number(-100, 100), in.Number(-100, 100)}};
}

struct Probe {
  const char* name;
  int calls;
  std::function<void(const Args&)> drive;
};

std::vector<Probe> Probes() {
  using namespace Globals;
  return {
      {"Constants", 2000, [](const Args& a) {
         check(0, false, {}, [] { InitializeSharedArrays(); CriticalValues(); FinalizeSharedArrays(); return 0.0; },
               "start-up, CriticalValues, shut-down");
         check(0, false, {}, [&] { return b_ind(a.index) + mu_ind(a.index); }, "b_ind, mu_ind", a.index);
       }},
      {"Vlimit_Density", 20000, [](const Args& a) {
         check(5, false, {}, [&] { return Vlimit(a.x); }, "Vlimit", a.x);
         check(0, bad(a.V), {{0}}, [&] { return Density(a.x, a.V); }, "Density", a.x, a.V);
       }},
      {"Terms", 3000, [](const Args& a) {
         const bool invalid = bad(a.T) || bad(a.V);
         check(2 * 5, invalid, {{0}}, [&] { return Repulsive(a.mode, a.x, a.T, a.V); }, "Repulsive", a.mode, a.x, a.T, a.V);
         check(300, invalid, {{0}}, [&] { return Dipole(a.mode, a.x, a.T, a.V); }, "Dipole", a.mode, a.x, a.T, a.V);
         check(5000, invalid, {{0}}, [&] { return Perturbation(a.mode, a.x, a.T, a.V); }, "Perturbation", a.mode, a.x,
               a.T, a.V);
       }},
      {"Compressibility_Pressure_Fugacities", 1500, [](const Args& a) {
         const bool invalid = bad(a.T) || bad(a.V);
         check(kEquationOfStateYields, invalid, {{0}}, [&] { return Compressibility(a.x, a.T, a.V); },
               "Compressibility", a.x, a.T, a.V);
         check(kEquationOfStateYields, invalid, {{0}}, [&] { return Pressure(a.x, a.T, a.V); }, "Pressure", a.x, a.T, a.V);
         // Every coefficient 1 and every fugacity 0.
         check(kEquationOfStateYields + 5, invalid || bad(a.P), {{1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
               [&] {
                 Fugacities(a.x, a.T, a.P, a.V);
                 std::array<double, 10> out{};
                 std::copy(Coefficient.begin(), Coefficient.end(), out.begin());
                 std::copy(Fugacity.begin(), Fugacity.end(), out.begin() + 5);
                 return out;
               },
               "Fugacities", a.x, a.T, a.P, a.V);
       }},
      {"Volume_Temperature", 150, [](const Args& a) {
         // A start value is a first guess, not a state: any start may find the root.
         check(kSolverYields, bad(a.T) || bad(a.P), {{0}}, [&] { return Volume(a.x, a.T, a.P, a.V); }, "Volume", a.x,
               a.T, a.P, a.V);
         check(kSolverYields, bad(a.P) || bad(a.V), {{0}}, [&] { return Temperature(a.x, a.P, a.V, a.T); },
               "Temperature", a.x, a.P, a.V, a.T);
       }},
      {"Volume_Approach", 30, [](const Args& a) {
         // Without a scan: 15 cm3/mol for mode 0, 1000 for mode 1, 0 for another mode.
         const double fallback = a.mode == 0 ? 15 : a.mode == 1 ? 1000 : 0;
         check(kVolumeScanYields, bad(a.T) || bad(a.P), {{fallback}},
               [&] { return Volume_Approach(a.mode, a.x, a.T, a.P); }, "Volume_Approach", a.mode, a.x, a.T, a.P);
       }},
      {"Cubic_Holloway", 20000, [](const Args& a) {
         check(0, false, {}, [&] { return CubicEquation(a.c[0], a.c[1], a.c[2])[0]; }, "CubicEquation", a.c[0],
               a.c[1], a.c[2]);
         check(3 + 9 + 3, bad(a.T) || bad(a.P), {{0}}, [&] { return Volume_Holloway(a.mode, a.x, a.T, a.P); },
               "Volume_Holloway", a.mode, a.x, a.T, a.P);
       }},
      {"Vapour_pressures", 20000, [](const Args& a) {
         // The salts keep their constant vapour pressure at any temperature; a
         // dew-point estimate without any vapour pressure falls back to 0.1 MPa.
         check(0, bad(a.T), {{(a.index == 3 || a.index == 4) ? 0.1 : 0.0}},
               [&] { return SaturationPressure(a.index, a.T); }, "SaturationPressure", a.index, a.T);
         check(5, bad(a.T), {{a.mode == 1 ? 0.1 : 0.0}}, [&] { return RaoultPressure(a.x, a.T, a.mode); },
               "RaoultPressure", a.x, a.T, a.mode);
         check(3, bad(a.T) || bad(a.P), {{1, 1, 1, 0.001, 0.001}}, [&] { return WilsonDistribution(a.T, a.P); },
               "WilsonDistribution", a.T, a.P);
       }},
      {"Quartz", 20000, [](const Args& a) {
         check(0, bad(a.V), {{0}}, [&] { return VH2O_Akinfiev(a.mode, a.x, a.V); }, "VH2O_Akinfiev", a.mode, a.x, a.V);
         check(0, bad(a.T) || bad(a.V), {{0}}, [&] { return mSiO2_Akinfiev(a.f[0], a.T, a.V); }, "mSiO2_Akinfiev",
               a.f[0], a.T, a.V);
       }},
      {"Salt_liquid", 10000, [](const Args& a) {
         const double T = a.Tsalt;
         check(kHallYields, bad(T), {{0}}, [&] { return Mass_Hall87(T, a.f[0]); }, "Mass_Hall87", T, a.f[0]);
         check(kHallYields, bad(T), {{0}}, [&] { return Sorvik_Molefraction(a.curve, T, a.f[0]); },
               "Sorvik_Molefraction", a.curve, T, a.f[0]);
         check(kCotecticYields, bad(T), {{0}}, [&] { return Sorvik_Cotectic(a.curve, T); }, "Sorvik_Cotectic",
               a.curve, T);
         // 0.1 MPa outside the temperature range, 0 for a liquid without salt.
         check(kSecant650Yields, bad(T), {{0.1}, {0}}, [&] { return Sorvik_Pressure(a.curve, a.f[0], a.f[1], a.f[2], T); },
               "Sorvik_Pressure", a.curve, a.f[0], a.f[1], a.f[2], T);
         check(kSecant650Yields, false, {}, [&] { return Sorvik_Pressure650(a.curve, a.f[0], a.f[1], a.f[2]); },
               "Sorvik_Pressure650", a.curve, a.f[0], a.f[1], a.f[2]);
       }},
  };
}

void PrintTo(const Probe& probe, std::ostream* os) { *os << probe.name; }

class HostileInputs : public testing::TestWithParam<Probe> {};

TEST_P(HostileInputs, ReturnsWithinBoundedYieldsAndGivesFailureValuesForInvalidStates) {
  const Probe& probe = GetParam();
  // A fixed seed per probe (FNV-1a of its name), so a failure repeats.
  uint64_t seed = 14695981039346656037u;
  for (unsigned char c : std::string(probe.name)) seed = (seed ^ c) * 1099511628211u;
  HostileStream in(seed);
  for (int n = 0; n < probe.calls; ++n) probe.drive(draw(in));
  Globals::InitializeSharedArrays();
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, HostileInputs, testing::ValuesIn(Probes()),
                         [](const testing::TestParamInfo<Probe>& info) { return std::string(info.param.name); });

}  // namespace
