// The two "Mathematical Analysis" windows driven through their controls:
// MathAnal over molar volume, MathAnalT over temperature.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

TEST_F(WindowTest, MathematicalAnalysis) {
  Play({
      // 7.641275 * 1.01 = 7.717688 and 7.641275 * 1.01^501 = 1117.4 cm3/mol.
      {"501 volumes from 1.01 times the lowest one, by repeated 1 % steps",
       {"@x=0.9,0.1,0,0,0", "@T=673.15", "@P=100", ">MathAnal",
        "ListBox1^?Molar Volume|Zero-function", "calculate", "ListBox1#?501",
        "ListBox1[0]?7.717688|2.085821e+09", "ListBox1[500]?1117.311|-95.31569", "calculate",
        "ListBox1#?1002", "ListBox1[501]?7.717688|2.085821e+09", "@activate", "ListBox1#?0",
        "ListBox1^?Molar Volume|Zero-function"}},
      {"1001 temperatures from 273.16 K by a running sum of 1 K steps",
       {"@V=30", "@P=100", ">MathAnalT", "ListBox1^?Temperature|Zero-function", "calculate",
        "ListBox1#?1001", "ListBox1[0]?273.16|241.926", "ListBox1[1000]?1273.16|417.7684",
        "calculate", "ListBox1#?2002", "@activate", "ListBox1#?0",
        "ListBox1^?Temperature|Zero-function"}},
      {"without a temperature or volume every row is minus the pressure",
       {"@P=75", ">MathAnal", "calculate", "ListBox1[0]?7.185898|-75", "ListBox1[500]?1040.322|-75",
        ">MathAnalT", "calculate", "ListBox1[1000]?1273.16|-75"}},
      {"opened from the molar-volume windows",
       {">VolumeWindow", "Analysis1", "<MathAnal", ">ActivityWindow", "Analysis1", "<MathAnal",
        ">QtzSolubilityWindow", "Analysis1", "<MathAnal"}},
  });
}

}  // namespace
