// The equation of state as a whole: its values at fixed states, the states
// without a value, the lowest volumes and the density.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"

namespace {

using Globals::Composition;

struct Expected {
  Composition x;
  double T, V;        // K, cm3/mol
  double Z, A;        // compressibility factor; residual Helmholtz energy, J/mol
  Composition lnPhi;  // of every component, at infinite dilution where absent
};

// Every component pure and mixed, on both sides of each temperature split of
// the perturbation term's tables (508.95295, 540.3, 573.2 itself, 621.79,
// 760.068 and 1000 K), with a negative CO2 attraction (150 K) and a negative
// H2O–NaCl function tau (1500 K). At these states the perturbation term was
// checked once, bit for bit, against an independent step-by-step evaluation
// of its sums; the hard-sphere term, and the dipolar term with one polar
// component, against their closed forms; the derivatives of the absent
// components against difference quotients.
const Expected kStates[] = {
    {{1, 0, 0, 0, 0}, 473.15, 20, 0.26198110995073343, -15466.543745234423,
     {-3.3300493629240835, 5.2979975101397176, 4.5787348209139678, 143.10252404952936, -30.688007505682286}},
    {{1, 0, 0, 0, 0}, 673.15, 1500, 0.94439342954662298, -316.0513251643859,
     {-0.054863268548921131, 0.015191899317398195, 0.030784894498647922, -0.99931100518665883, -0.96773719598017238}},
    {{0, 1, 0, 0, 0}, 150, 400, 0.43947216738822681, -721.91051740966464,
     {7.3631455637303711, -0.31718547476204728, 1.3270915167195767, -0.3044011509770736, 4.0428228911608768}},
    {{0, 1, 0, 0, 0}, 473.15, 80, 0.95335922501257642, -1110.2993951895687,
     {-1.0222965527512757, -0.2811094845764065, 0.11192580931349846, 1.6861739328472849, -1.2974680330904489}},
    {{0, 0, 1, 0, 0}, 373.15, 150, 0.93636178699727046, -396.03250201551953,
     {-0.43254039555340862, -0.36537605456306599, -0.12553247647753724, -0.2699836563715875, -1.0005537596310745}},
    {{0, 0, 0, 1, 0}, 1273.15, 35, 2.329753936146143, -61309.220485147627,
     {0.21393518462560993, 3.063201542339292, 4.7697768681788624, -5.3077818904458685, -17.962132407704509}},
    {{0, 0, 0, 0, 1}, 1273.15, 40, 21.42450523807522, -273521.51160916331,
     {20.232119454187384, 24.577627147919593, 33.719341272328208, 10.69024808591632, -8.4791215490451446}},
    {{0.8, 0.2, 0, 0, 0}, 700, 30, 1.023460297880481, -5021.5426989382759,
     {-1.4077708794611201, 1.3184948698116981, 2.2645740541207786, -15.404094216308321, -14.896302051284522}},
    {{0.5, 0.5, 0, 0, 0}, 800, 400, 0.95418313332045623, -350.62026280700877,
     {-0.11641817826870868, 0.013159076651126381, 0.054026758349097939, -1.3804911535038116, -1.3006732242222867}},
    {{0.8, 0, 0.2, 0, 0}, 600, 40, 0.53050565928264604, -5505.126814880341,
     {-1.54295454598201, 0.93059849920120619, 1.4763545817885781, -15.52538468624544, -17.117502250315471}},
    {{0.9, 0, 0, 0.1, 0}, 530, 22, 0.39704043239902065, -17268.637628042889,
     {-2.6468407741940991, 3.3602865294402644, 4.139120265576997, -12.158354713041797, -59.620666302663814}},
    {{0.9, 0, 0, 0.1, 0}, 573.2, 21, 0.70406369472408992, -19996.639628880861,
     {-2.5721483892481101, 3.8791570642567517, 4.1408503580328082, -18.259296798300909, -44.976776316716744}},
    {{0.92, 0, 0, 0, 0.08}, 500, 19, 1.1848776904242735, -22363.343737263924,
     {-3.5477578922526121, 9.7242838847605295, 10.800280418389825, -29.751527852092881, -26.252532112345246}},
    {{0.9, 0, 0, 0, 0.1}, 1100, 30, 0.50733572348259681, -13954.893921874882,
     {-0.11087746857293899, 2.039307347909602, 3.1224581379302303, -8.6355458816608426, -12.400977481297019}},
    {{0.85, 0, 0, 0.1, 0.05}, 900, 28, 0.14733198403166314, -18345.104884275948,
     {0.58253813689620593, 3.3937760534900256, 4.0831413302505855, -12.220120499246981, -13.24618584558039}},
    {{0.85, 0, 0, 0.1, 0.05}, 1500, 40, 0.510988708043145, -18548.866579506303,
     {0.053129534340830328, 1.1821368429769081, 1.8985900154803907, 3.9939468802664848, -34.988677275482715}},
    {{0, 0.3, 0.3, 0.4, 0}, 900, 40, 0.84853900758301504, -21012.25855018467,
     {-2.0177140300729648, 2.5238202532167513, 2.6415777765821375, -10.862077859800836, -9.8104898731783354}},
    {{0.6, 0.1, 0.1, 0.1, 0.1}, 560, 30, 0.29808258268056731, -25842.395719290937,
     {-1.7987846657263469, 3.4030579528358591, 4.8421720739703087, -24.211241089132027, -23.658791716792116}},
    {{0.8, 0.05, 0.05, 0.07, 0.03}, 650, 28, 0.24222894356590219, -16034.340661278515,
     {-1.0525470425987034, 2.8604754869034199, 3.6418375588136147, -16.9801305333729, -20.042303954561472}},
    {{0.6, 0.15, 0.15, 0.06, 0.04}, 873.15, 600, 0.86729119875257199, -1009.2333668220301,
     {-0.076463969524852432, 0.10344135631970167, 0.12633281770878155, -1.2113283003314141, -1.1313351998604064}},
    {{0.5, 0.5, 0, 0, 0}, 150, 3000, 0.69949725646424343, -415.43049246248938,
     {-1.2536153541249246, 0.70120005035249333, 0.100191072130885, 69.033674161112174, -25.434694737463836}},
};

// The build does not contract floating-point operations, so the values
// repeat to the last bits; the tolerance only absorbs a differently rounded
// library function.
bool Near(double actual, double expected) {
  return std::abs(actual - expected) <= 1e-13 * std::max(1.0, std::abs(expected));
}

TEST(EquationOfState, ValuesAtFixedStates) {
  for (const Expected& s : kStates) {
    SCOPED_TRACE(testing::Message() << "x = {" << s.x[0] << ", " << s.x[1] << ", " << s.x[2] << ", " << s.x[3]
                                    << ", " << s.x[4] << "}, " << s.T << " K, " << s.V << " cm3/mol");
    EXPECT_PRED2(Near, Globals::Compressibility(s.x, s.T, s.V), s.Z);
    const double P = Globals::Pressure(s.x, s.T, s.V);
    EXPECT_PRED2(Near, P, s.Z * 8.314472 * s.T / s.V);  // J/cm3 is MPa
    EXPECT_PRED2(Near, Globals::Repulsive(1, s.x, s.T, s.V) + Globals::Dipole(1, s.x, s.T, s.V) +
                           Globals::Perturbation(1, s.x, s.T, s.V), s.A);
    Globals::Fugacities(s.x, s.T, P, s.V);
    for (int i = 0; i < 5; ++i) {
      EXPECT_PRED2(Near, std::log(Globals::Coefficient[i]), s.lnPhi[i]) << "component " << i;
      EXPECT_PRED2(Near, Globals::Fugacity[i], s.x[i] * std::exp(s.lnPhi[i]) * P) << "component " << i;
    }
  }
}

// Just below, at and just above every temperature where the perturbation term
// changes formula, for a fluid of all five components: the KCl and NaCl
// attractions are constant up to 508.95295 and 540.3 K (included), tau is a
// line below 573.2 K (so also at 573.15), and the H2O–CH4 pair, the CO2
// triples and H2O–KCl–KCl take their upper formulas from 621.79, 760.068 and
// 1000 K on. Checked once against an independent evaluation of the published
// formulas (to 2e-14).
TEST(EquationOfState, ValuesAroundEverySwitchTemperature) {
  const Composition x = {0.6, 0.1, 0.1, 0.1, 0.1};
  const std::pair<double, double> TZ[] = {
      {508.945, 2.915292680307223},   {508.95295, 2.9144209164796577}, {508.96, 2.9136647651943886},
      {540.295, 0.69420777461563565}, {540.3, 0.69402620594477149},    {540.305, 0.69385742427178343},
      {573.15, 0.31360331387652729},  {573.195, 0.31396383210299206},  {573.2, 0.3140038514436605},
      {573.205, 0.31404328535346382}, {621.785, 0.36970338567345484},  {621.79, 0.36970680714647441},
      {621.795, 0.36971304826566831}, {760.063, 0.76728017521767677},  {760.068, 0.76730007703843217},
      {760.073, 0.76732078352149014}, {999.995, 1.4517393643808592},   {1000, 1.4517727584152103},
      {1000.005, 1.4517859094455015}};
  for (const auto& [T, Z] : TZ) EXPECT_PRED2(Near, Globals::Compressibility(x, T, 30), Z) << T << " K";
}

// No state, no value: Compressibility and Pressure give 0, Fugacities every
// coefficient 1 and every fugacity 0 (invalid numbers are driven by the
// hostile-input test). That includes a composition without any substance,
// the band above Vlimit (28.459/4 for water) up to the repulsive term's own
// lowest volume (28.4959/4), and a state whose compressibility factor is
// negative (water at 280 K and 45 cm3/mol: Z = −0.12).
TEST(EquationOfState, NoValueOutsideTheAdmissibleStates) {
  const Composition water = {1, 0, 0, 0, 0}, mixture = {0.7, 0.1, 0.1, 0.05, 0.05};
  const Globals::LowestVolumes w = Globals::LowestVolumesOf(water), m = Globals::LowestVolumesOf(mixture);
  struct Case { const char* what; Composition x; double T, V; };
  const Case cases[] = {{"V at Vlimit", water, 673.15, w.limit},
                        {"V in the band", water, 673.15, (w.limit + w.repulsive) / 2},
                        {"mixture in its band", mixture, 673.15, (m.limit + m.repulsive) / 2},
                        {"no substance", Composition{}, 673.15, 30},
                        {"Z < 0", water, 280, 45}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const double Z = Globals::Compressibility(c.x, c.T, c.V);
    EXPECT_LE(Z, 0);  // 0, the failure value, or negative at 280 K
    if (Z == 0) {
      EXPECT_EQ(Globals::Pressure(c.x, c.T, c.V), 0);
    }
    Globals::Fugacities(mixture, 773.15, 50, 40);  // stale results would show
    Globals::Fugacities(c.x, c.T, 10, c.V);
    EXPECT_EQ(Globals::Coefficient, (Composition{1, 1, 1, 1, 1}));
    EXPECT_EQ(Globals::Fugacity, Composition{});
  }
  EXPECT_GT(Globals::Pressure(water, 700, std::nextafter(w.repulsive, 100.0)), 0);
}

// Vlimit takes 28.459 for water, the repulsive term 28.4959; both pass through
// hard-sphere diameters, so they meet Σ x_i·b_i/4 to rounding only.
TEST(EquationOfState, LowestVolumesAndDensity) {
  const double coVolume[5] = {28.459, 49.52, 44.0, 60.0124, 81.783};
  const double M[5] = {18.01528, 44.0098, 16.04276, 58.462468, 74.57143};
  const Composition x = {0.5, 0.2, 0.1, 0.15, 0.05};
  double b = 0, mass = 0;
  for (int i = 0; i < 5; ++i) {
    b += x[i] * coVolume[i];
    mass += x[i] * M[i];
  }
  EXPECT_NEAR(Globals::Vlimit(x), b / 4, 1e-14 * b);
  EXPECT_NEAR(Globals::LowestVolumesOf({1, 0, 0, 0, 0}).limit, 28.459 / 4, 1e-14 * 28.459);
  EXPECT_NEAR(Globals::LowestVolumesOf({1, 0, 0, 0, 0}).repulsive, 28.4959 / 4, 1e-14 * 28.4959);
  EXPECT_EQ(Globals::Density({1, 0, 0, 0, 0}, 18.01528), 1);
  EXPECT_DOUBLE_EQ(Globals::Density(x, 40), mass / 40);
}

}  // namespace
