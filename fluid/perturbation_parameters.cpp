// Temperature-dependent parameters of the perturbation term: the attraction a,
// co-volume b and higher-order c, d, e of each component, and the H2O–NaCl and
// H2O–KCl temperature functions tau and tau_KCl.
#include <cmath>

#include "fluid/perturbation_internal.h"

namespace Globals::perturbation {
namespace {

// A reduced-temperature polynomial: c0 + c1/Tr + c2/Tr^2 + c4/Tr^4 (no 1/Tr^3 term).
struct ReducedPolynomial {
  double c0, c1, c2, c4;
};

double evaluate(const ReducedPolynomial& p, double Tr) {
  return p.c0 + p.c1 / Tr + p.c2 / std::pow(Tr, 2.0) + p.c4 / std::pow(Tr, 4.0);
}

// Attraction of the molecular components: the polynomial times 1e6 gives a in
// bar·cm6·mol−2. The reference temperatures are the term's own, not the
// critical ones.
struct MolecularAttraction {
  double Tstar;  // K
  ReducedPolynomial a;
};

constexpr MolecularAttraction molecular[3] = {
    //  T*        a0           a1            a2           a4
    {647.067, {1.718248,   1.828379,    1.546648,   0.107189}},     // H2O
    {304.2,   {3.86491553, -2.36222839, 3.51977858, -1.01456034}},  // CO2
    {190.555, {2.33095273, -1.54707798, 3.47647637, -2.26654635}},  // CH4
};

//                                 constant   1/Tr       1/Tr^2     1/Tr^4
constexpr ReducedPolynomial waterC{2.953548, -8.874823, 3.179334, -0.168698};
constexpr ReducedPolynomial waterD{2.139339, 9.442203,  -3.144017, 0.149539};
constexpr double waterE = -9.0;

// For CO2 and CH4 the products a·c = C0 + C1/Tr, a·d = D0 + D1/Tr and
// a·e = E0 are the correlated quantities.
struct GasProducts {
  double C0, C1, D0, D1, E0;
};

constexpr GasProducts gasProducts[2] = {
    //  C0            C1            D0           D1           E0
    {-4185084.6,  518786.559,  14954846.2, 1402327.39, -30473228.4},  // CO2
    {-2799223.67, -1555225.57, 10407940.3, 10029429.1, -43158952.2},  // CH4
};

// Both salts share c, d, e, and the scale factor of their attraction.
constexpr double saltC = -2.7501;
constexpr double saltD = 8.0969;
constexpr double saltE = -9.0;
constexpr double saltScale = 13332237.0;

// Below t = 5.403 (T = 540.3 K, included) the NaCl attraction is constant.
double attractionNaCl(double t) {
  if (t <= 5.403) return 4424790.0;
  double bracket = 1.081 + 0.4233 * std::exp(-0.4817 * std::pow(t - 8.959, 2.0));
  bracket = bracket - 0.7501 * std::exp(-0.6154 * std::pow(t - 5.403, 3.206));
  return saltScale * bracket;
}

// Below t = 5.0895295 (included) the KCl attraction is constant.
double attractionKCl(double t) {
  if (t <= 5.0895295) return 13005000.0;
  double bracket = 20.7185 - 7.50117 * t + 0.551338 * std::pow(t, 2.0);
  bracket = bracket + 6.5886 * std::exp(-0.11208 * std::pow(t - 7.1188, 2.0));
  return saltScale * bracket;
}

}  // namespace

ComponentParameters ComponentParametersAt(int32_t component, double T) {
  ComponentParameters p;
  p.b = b_ind(component);
  switch (component) {
    case 0: {
      const double Tr = T / molecular[0].Tstar;
      const double bracket = evaluate(molecular[0].a, Tr);
      p.a = 1000000.0 * bracket;
      p.c = evaluate(waterC, Tr);
      p.d = evaluate(waterD, Tr);
      p.e = waterE;
      break;
    }
    case 1:
    case 2: {
      const double Tr = T / molecular[component].Tstar;
      const double bracket = evaluate(molecular[component].a, Tr);
      p.a = 1000000.0 * bracket;
      // Stored divided by a; the products with a are formed again later.
      const GasProducts& g = gasProducts[component - 1];
      p.c = (g.C0 + g.C1 / Tr) / p.a;
      p.d = (g.D0 + g.D1 / Tr) / p.a;
      p.e = g.E0 / p.a;
      break;
    }
    case 3:
      p.a = attractionNaCl(T / 100);
      p.c = saltC;
      p.d = saltD;
      p.e = saltE;
      break;
    case 4:
      p.a = attractionKCl(T / 100);
      p.c = saltC;
      p.d = saltD;
      p.e = saltE;
      break;
    default:
      break;
  }
  return p;
}

TemperatureFunctions TemperatureFunctionsAt(double T) {
  TemperatureFunctions f;
  f.T = T;
  f.t = T / 100;
  const double theta = (f.t - 5.7315) / 10;  // (T − 573.15 K)/1000 K
  // The H2O–NaCl function is a straight line below 573.2 K (not 573.15 K,
  // where theta vanishes); above, theta > 0 and its fractional power exists.
  if (T < 573.2) {
    f.tau = (-0.2094 * T) + 126.5468;
  } else {
    const double w = std::pow(theta, 0.79026);
    f.tau = (0.10119 + 6.4313 * std::exp(-6.1456 * w)) *
            (1 + 6.1005 * theta - 27.15 * std::pow(theta, 2.0) + 141.3 * std::pow(theta, 3.0) -
             136.43 * std::pow(theta, 4.0));
  }
  f.tauKCl = 1 + 2 * std::exp(-5.083 * theta);
  return f;
}

}  // namespace Globals::perturbation
