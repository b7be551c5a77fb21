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

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

using Globals::Composition;
using Globals::CubicRoots;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const double kHostileNumbers[] = {0.0,  -0.0,    -1.0,     -273.15,  -1e300,  1e300,
                                  kNaN, kInf,    -kInf,    DBL_TRUE_MIN, -DBL_TRUE_MIN,
                                  DBL_MIN, DBL_MAX, -DBL_MAX, 1e-300, 1e-10};
const int32_t kHostileIndices[] = {-1, -2, 5, 6, 7, 100, std::numeric_limits<int32_t>::min(),
                                   std::numeric_limits<int32_t>::max()};

bool NotFinitePositive(double v) { return !(v > 0) || !std::isfinite(v); }

// ---- The stream of arguments ------------------------------------------------

class HostileStream {
 public:
  explicit HostileStream(uint64_t seed) : rng_(seed) {}

  // Mostly a plausible value in [lo, hi], often a hostile one.
  double Number(double lo, double hi) {
    if (Chance(0.4)) return Pick(kHostileNumbers);
    return std::uniform_real_distribution<double>(lo, hi)(rng_);
  }
  double Temperature() { return Number(150, 1500); }  // K
  double Pressure() { return Number(0.01, 500); }     // MPa
  double Volume() { return Number(5, 2000); }         // cm3/mol
  double Fraction() { return Number(0, 1); }

  // Mostly an index in [lo, hi], sometimes far outside.
  int32_t Index(int32_t lo, int32_t hi) {
    if (Chance(0.3)) return Pick(kHostileIndices);
    return std::uniform_int_distribution<int32_t>(lo, hi)(rng_);
  }

  Composition Mixture() {
    Composition x{};
    switch (std::uniform_int_distribution<int>(0, 5)(rng_)) {
      case 0: {  // normalised
        double sum = 0;
        for (double& xi : x) sum += xi = Uniform(0, 1);
        for (double& xi : x) xi /= sum;
        break;
      }
      case 1:  // all zero
        break;
      case 2:  // negative entries
        for (double& xi : x) xi = Uniform(-1, 1);
        break;
      case 3:  // not normalised
        for (double& xi : x) xi = Uniform(0, 5);
        break;
      case 4:  // entry by entry hostile
        for (double& xi : x) xi = Number(0, 1);
        break;
      default:  // one pure component
        x[std::uniform_int_distribution<int>(0, 4)(rng_)] = 1;
        break;
    }
    return x;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
  template <class T, size_t N>
  T Pick(const T (&values)[N]) {
    return values[std::uniform_int_distribution<size_t>(0, N - 1)(rng_)];
  }
  std::mt19937_64 rng_;
};

// ---- Describing a call --------------------------------------------------------

void Put(std::ostream& os, double v) {
  std::ostringstream s;
  s.precision(17);
  s << v;
  os << s.str();
}
void Put(std::ostream& os, int32_t v) { os << v; }
template <size_t N>
void Put(std::ostream& os, const std::array<double, N>& a) {
  os << '{';
  for (size_t i = 0; i < N; ++i) {
    if (i) os << ", ";
    Put(os, a[i]);
  }
  os << '}';
}
void Put(std::ostream& os, const CubicRoots& z) {
  Put(os, z[0]);
  os << " + i·";
  Put(os, z[1]);
}

template <class... Args>
std::string Describe(const char* name, const Args&... args) {
  std::ostringstream os;
  os << name << '(';
  int n = 0;
  ((os << (n++ ? ", " : ""), Put(os, args)), ...);
  os << ')';
  return os.str();
}

// ---- Running a call -----------------------------------------------------------

struct TooManyYields {};

// Watches the calls of one function: counts the yields of each call (a call
// that goes beyond its bound is stopped by an exception from inside the
// yield).
class CallChecker {
 public:
  CallChecker() {
    previous_ = SetRuntimeYieldHook([this] {
      if (++count_ > bound_) throw TooManyYields{};
    });
  }
  ~CallChecker() { SetRuntimeYieldHook(previous_); }
  CallChecker(const CallChecker&) = delete;
  CallChecker& operator=(const CallChecker&) = delete;

  void Start(long bound) {
    count_ = 0;
    bound_ = bound;
  }

  void WrongFailureValue(const std::string& what) { ADD_FAILURE() << what; }

 private:
  long count_ = 0;
  long bound_ = 0;
  RuntimeYieldHook previous_;
};

// Equality that treats NaN as unequal to everything, element by element.
bool Same(double a, double b) { return a == b; }
template <size_t N>
bool Same(const std::array<double, N>& a, const std::array<double, N>& b) {
  for (size_t i = 0; i < N; ++i) {
    if (!(a[i] == b[i])) return false;
  }
  return true;
}
bool Same(const CubicRoots& a, const CubicRoots& b) { return Same(a[0], b[0]) && Same(a[1], b[1]); }

// One call: it must return within maxYields yields and raise nothing; when
// `invalid` holds, its result must be one of the failure values.
template <class Result, class Call, class... Args>
void Drive(CallChecker& check, long maxYields, bool invalid, std::initializer_list<Result> failureValues,
           Call call, const char* name, const Args&... args) {
  check.Start(maxYields);
  Result result{};
  try {
    result = call();
  } catch (const TooManyYields&) {
    ADD_FAILURE() << Describe(name, args...) << " yielded more than " << maxYields << " times";
    return;
  } catch (...) {
    ADD_FAILURE() << Describe(name, args...) << " raised an exception";
    return;
  }
  if (!invalid) return;
  for (const Result& failure : failureValues) {
    if (Same(result, failure)) return;
  }
  std::ostringstream got;
  Put(got, result);
  check.WrongFailureValue(Describe(name, args...) + " gave " + got.str() +
                          ", not its failure value, for a temperature, pressure or volume that is "
                          "not a finite positive number");
}

// Calls without a failure value to check.
template <class Result, class Call, class... Args>
void DriveAny(CallChecker& check, long maxYields, Call call, const char* name, const Args&... args) {
  Drive<Result>(check, maxYields, false, {}, call, name, args...);
}

// ---- The functions ------------------------------------------------------------

// The yield bounds follow the loops of each function: one yield per pass.
// The equation of state: the lowest volume (5 passes), the repulsive term (two
// loops over the components), the dipolar term (component, pair and triple
// loops, about 300 passes) and the perturbation term (its loop nests over at
// most five present components, about 4300 passes).
constexpr long kVlimitYields = 5;
constexpr long kRepulsiveYields = 2 * 5;
constexpr long kDipoleYields = 300;
constexpr long kPerturbationYields = 5000;
constexpr long kEquationOfStateYields = 2 * kVlimitYields + kRepulsiveYields + kDipoleYields + kPerturbationYields;
constexpr long kFugacitiesYields = kEquationOfStateYields + 5;
// Two start points, then at most 500 passes of one evaluation and one yield.
constexpr long kSolverYields = 502 * kEquationOfStateYields + 500;
// The volume scan: an upward search of at most 20000 steps, 501 geometric
// steps and the choice among seven slots, each with one evaluation.
constexpr long kVolumeScanYields = (20000 + 501 + 7) * (kEquationOfStateYields + 1);
constexpr long kHollowayYields = 3 + 9 + 3;
constexpr long kHallYields = 3;
constexpr long kCotecticYields = 101 + (2 + 2 * 101) * kHallYields;
constexpr long kSecant650Yields = 101;

struct Probe {
  const char* name;
  int calls;
  std::function<void(HostileStream&, CallChecker&)> drive;
};

std::vector<Probe> Probes() {
  using namespace Globals;
  const Composition neutralK = {1, 1, 1, 0.001, 0.001};
  std::vector<Probe> probes = {
      {"SharedState", 200,
       [](HostileStream&, CallChecker& y) {
         DriveAny<double>(y, 0, [] { InitializeSharedArrays(); return 0.0; }, "InitializeSharedArrays");
         DriveAny<double>(y, 0, [] { CriticalValues(); return 0.0; }, "CriticalValues");
         DriveAny<double>(y, 0, [] { FinalizeSharedArrays(); return 0.0; }, "FinalizeSharedArrays");
       }},
      {"ComponentConstants", 2000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t i = in.Index(0, 4);
         DriveAny<double>(y, 0, [&] { return b_ind(i); }, "b_ind", i);
         DriveAny<double>(y, 0, [&] { return mu_ind(i); }, "mu_ind", i);
       }},
      {"Vlimit_Density", 20000,
       [](HostileStream& in, CallChecker& y) {
         const Composition x = in.Mixture();
         const double V = in.Volume();
         DriveAny<double>(y, kVlimitYields, [&] { return Vlimit(x); }, "Vlimit", x);
         Drive<double>(y, 0, NotFinitePositive(V), {0.0}, [&] { return Density(x, V); }, "Density", x, V);
       }},
      {"Repulsive", 3000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t mode = in.Index(0, 2);
         const Composition x = in.Mixture();
         const double T = in.Temperature(), V = in.Volume();
         Drive<double>(y, kRepulsiveYields, NotFinitePositive(T) || NotFinitePositive(V), {0.0},
                       [&] { return Repulsive(mode, x, T, V); }, "Repulsive", mode, x, T, V);
       }},
      {"Dipole", 3000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t mode = in.Index(0, 2);
         const Composition x = in.Mixture();
         const double T = in.Temperature(), V = in.Volume();
         Drive<double>(y, kDipoleYields, NotFinitePositive(T) || NotFinitePositive(V), {0.0},
                       [&] { return Dipole(mode, x, T, V); }, "Dipole", mode, x, T, V);
       }},
      {"Perturbation", 1500,
       [](HostileStream& in, CallChecker& y) {
         const int32_t mode = in.Index(0, 2);
         const Composition x = in.Mixture();
         const double T = in.Temperature(), V = in.Volume();
         Drive<double>(y, kPerturbationYields, NotFinitePositive(T) || NotFinitePositive(V), {0.0},
                       [&] { return Perturbation(mode, x, T, V); }, "Perturbation", mode, x, T, V);
       }},
      {"Compressibility_Pressure", 1500,
       [](HostileStream& in, CallChecker& y) {
         const Composition x = in.Mixture();
         const double T = in.Temperature(), V = in.Volume();
         const bool invalid = NotFinitePositive(T) || NotFinitePositive(V);
         Drive<double>(y, kEquationOfStateYields, invalid, {0.0}, [&] { return Compressibility(x, T, V); },
                       "Compressibility", x, T, V);
         Drive<double>(y, kEquationOfStateYields, invalid, {0.0}, [&] { return Pressure(x, T, V); }, "Pressure",
                       x, T, V);
       }},
      {"Fugacities", 1500,
       [](HostileStream& in, CallChecker& y) {
         const Composition x = in.Mixture();
         const double T = in.Temperature(), P = in.Pressure(), V = in.Volume();
         // Every coefficient 1 and every fugacity 0.
         const std::array<double, 10> neutral = {1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
         Drive<std::array<double, 10>>(
             y, kFugacitiesYields, NotFinitePositive(T) || NotFinitePositive(P) || NotFinitePositive(V), {neutral},
             [&] {
               Fugacities(x, T, P, V);
               std::array<double, 10> out{};
               for (int i = 0; i < 5; ++i) {
                 out[i] = Coefficient[i];
                 out[5 + i] = Fugacity[i];
               }
               return out;
             },
             "Fugacities", x, T, P, V);
       }},
      {"Volume", 150,
       [](HostileStream& in, CallChecker& y) {
         const Composition x = in.Mixture();
         const double T = in.Temperature(), P = in.Pressure(), Vstart = in.Volume();
         // The start value is a first guess, not a state: any start may find the root.
         Drive<double>(y, kSolverYields, NotFinitePositive(T) || NotFinitePositive(P), {0.0},
                       [&] { return Volume(x, T, P, Vstart); }, "Volume", x, T, P, Vstart);
       }},
      {"Temperature", 150,
       [](HostileStream& in, CallChecker& y) {
         const Composition x = in.Mixture();
         const double P = in.Pressure(), V = in.Volume(), Tstart = in.Temperature();
         Drive<double>(y, kSolverYields, NotFinitePositive(P) || NotFinitePositive(V), {0.0},
                       [&] { return Temperature(x, P, V, Tstart); }, "Temperature", x, P, V, Tstart);
       }},
      {"Volume_Approach", 30,
       [](HostileStream& in, CallChecker& y) {
         const int32_t mode = in.Index(0, 1);
         const Composition x = in.Mixture();
         const double T = in.Temperature(), P = in.Pressure();
         // Without a scan: 15 cm3/mol for the liquid-like start, 1000 for the
         // vapour-like one, 0 for another mode.
         const double fallback = mode == 0 ? 15 : mode == 1 ? 1000 : 0;
         Drive<double>(y, kVolumeScanYields, NotFinitePositive(T) || NotFinitePositive(P), {fallback},
                       [&] { return Volume_Approach(mode, x, T, P); }, "Volume_Approach", mode, x, T, P);
       }},
      {"CubicEquation", 20000,
       [](HostileStream& in, CallChecker& y) {
         const double a = in.Number(-100, 100), b = in.Number(-100, 100), c = in.Number(-100, 100);
         DriveAny<CubicRoots>(y, 0, [&] { return CubicEquation(a, b, c); }, "CubicEquation", a, b, c);
       }},
      {"Volume_Holloway", 20000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t mode = in.Index(0, 2);
         const Composition x = in.Mixture();
         const double T = in.Temperature(), P = in.Pressure();
         Drive<double>(y, kHollowayYields, NotFinitePositive(T) || NotFinitePositive(P), {0.0},
                       [&] { return Volume_Holloway(mode, x, T, P); }, "Volume_Holloway", mode, x, T, P);
       }},
      {"SaturationPressure", 20000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t i = in.Index(0, 4);
         const double T = in.Temperature();
         // The salts keep their constant vapour pressure at any temperature.
         const double failure = (i == 3 || i == 4) ? 0.1 : 0.0;
         Drive<double>(y, 0, NotFinitePositive(T), {failure}, [&] { return SaturationPressure(i, T); },
                       "SaturationPressure", i, T);
       }},
      {"RaoultPressure", 20000,
       [](HostileStream& in, CallChecker& y) {
         const Composition x = in.Mixture();
         const double T = in.Temperature();
         const int32_t mode = in.Index(0, 1);
         // A dew-point estimate without any vapour pressure falls back to 0.1 MPa.
         Drive<double>(y, 5, NotFinitePositive(T), {mode == 1 ? 0.1 : 0.0},
                       [&] { return RaoultPressure(x, T, mode); }, "RaoultPressure", x, T, mode);
       }},
      {"WilsonDistribution", 20000,
       [neutralK](HostileStream& in, CallChecker& y) {
         const double T = in.Temperature(), P = in.Pressure();
         Drive<Composition>(y, 3, NotFinitePositive(T) || NotFinitePositive(P), {neutralK},
                            [&] { return WilsonDistribution(T, P); }, "WilsonDistribution", T, P);
       }},
      {"VH2O_Akinfiev", 20000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t variant = in.Index(0, 2);
         const Composition x = in.Mixture();
         const double Vm = in.Volume();
         Drive<double>(y, 0, NotFinitePositive(Vm), {0.0}, [&] { return VH2O_Akinfiev(variant, x, Vm); },
                       "VH2O_Akinfiev", variant, x, Vm);
       }},
      {"mSiO2_Akinfiev", 20000,
       [](HostileStream& in, CallChecker& y) {
         const double xH2O = in.Fraction(), T = in.Temperature(), V = in.Volume();
         Drive<double>(y, 0, NotFinitePositive(T) || NotFinitePositive(V), {0.0},
                       [&] { return mSiO2_Akinfiev(xH2O, T, V); }, "mSiO2_Akinfiev", xH2O, T, V);
       }},
      {"Mass_Hall87", 20000,
       [](HostileStream& in, CallChecker& y) {
         const double T = in.Number(200, 300), w = in.Fraction();
         Drive<double>(y, kHallYields, NotFinitePositive(T), {0.0}, [&] { return Mass_Hall87(T, w); },
                       "Mass_Hall87", T, w);
       }},
      {"Sorvik_Molefraction", 20000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t curve = in.Index(1, 4);
         const double T = in.Number(200, 1000), r = in.Fraction();
         Drive<double>(y, kHallYields, NotFinitePositive(T), {0.0},
                       [&] { return Sorvik_Molefraction(curve, T, r); }, "Sorvik_Molefraction", curve, T, r);
       }},
      {"Sorvik_Cotectic", 5000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t line = in.Index(1, 5);
         const double T = in.Number(200, 1000);
         Drive<double>(y, kCotecticYields, NotFinitePositive(T), {0.0},
                       [&] { return Sorvik_Cotectic(line, T); }, "Sorvik_Cotectic", line, T);
       }},
      {"Sorvik_Pressure", 10000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t curve = in.Index(3, 4);
         const double xH2O = in.Fraction(), xNaCl = in.Fraction(), xKCl = in.Fraction();
         const double T = in.Number(400, 1000);
         // 0.1 MPa outside the temperature range, 0 for a liquid without salt.
         Drive<double>(y, kSecant650Yields, NotFinitePositive(T), {0.1, 0.0},
                       [&] { return Sorvik_Pressure(curve, xH2O, xNaCl, xKCl, T); }, "Sorvik_Pressure", curve,
                       xH2O, xNaCl, xKCl, T);
       }},
      {"Sorvik_Pressure650", 10000,
       [](HostileStream& in, CallChecker& y) {
         const int32_t curve = in.Index(3, 4);
         const double xH2O = in.Fraction(), xNaCl = in.Fraction(), xKCl = in.Fraction();
         DriveAny<double>(y, kSecant650Yields, [&] { return Sorvik_Pressure650(curve, xH2O, xNaCl, xKCl); },
                          "Sorvik_Pressure650", curve, xH2O, xNaCl, xKCl);
       }},
  };
  return probes;
}

void PrintTo(const Probe& probe, std::ostream* os) { *os << probe.name; }

// A fixed seed per function (FNV-1a of its name), so a failure repeats.
uint64_t Seed(const std::string& name) {
  uint64_t h = 14695981039346656037u;
  for (unsigned char c : name) h = (h ^ c) * 1099511628211u;
  return h;
}

class HostileInputs : public testing::TestWithParam<Probe> {};

TEST_P(HostileInputs, ReturnsWithinBoundedYieldsAndGivesFailureValuesForInvalidStates) {
  const Probe& probe = GetParam();
  HostileStream in(Seed(probe.name));
  CallChecker check;
  for (int n = 0; n < probe.calls; ++n) probe.drive(in, check);
  Globals::InitializeSharedArrays();
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, HostileInputs, testing::ValuesIn(Probes()),
                         [](const testing::TestParamInfo<Probe>& info) { return std::string(info.param.name); });

}  // namespace
