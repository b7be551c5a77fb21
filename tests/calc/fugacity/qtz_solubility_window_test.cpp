// The "Quartz Solubility" window driven through its controls.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

#define PUT_NUMBER "warning?warning: put a number for temperature and pressure"

TEST_F(WindowTest, QuartzSolubility) {
  Play({
      // The half-spread of the solute-volume variants; with KCl it is unknown.
      {"the effective water volume and the silica molality with their spread",
       {"@x=0.8,0.1,0,0.1,0", ">QtzSolubilityWindow", "dataEntryP=200", "dataEntryT=873.15",
        "Choice0", "calculate", "Result?29.15941", "Result1?28.86177 ± 0.5875",
        "Result2?0.09505082 ± 0.004183666", "warning?", "calculate",
        "Result2?0.09505082 ± 0.004183666", "@V?0", "@x=0.8,0.1,0,0.05,0.05", "calculate",
        "Result?28.87791", "Result1?27.59113 ± ?", "Result2?0.1047605 ± ?", "@x=0,1,0,0,0",
        "calculate", "Result?63.55419", "Result1?fault, no water", "Result2?fault, no water"}},
      {"the temperature is read in the unit on at the calculation",
       {">QtzSolubilityWindow", "dataEntryP=100", "dataEntryT=300", "@P?100", "@T?300", "Celsius",
        "StaticText4?˚Celsius", "@T?300", "Choice0", "calculate", "@T?573.15", "warning?",
        "Result?21.70095", "dataEntryT=-50", "Choice0", "calculate", "warning?", "Result?72.01125",
        "Kelvin", "calculate", PUT_NUMBER, "Result?72.01125", "Celsius", "dataEntryT=-273.15",
        "calculate", PUT_NUMBER, "dataEntryT=", "calculate", PUT_NUMBER, "dataEntryT=abc",
        "calculate", PUT_NUMBER, "dataEntryT=0", "Choice0", "calculate", "warning?", "@T?273.15",
        "Kelvin", "dataEntryT=573.15", "dataEntryP=", "calculate", PUT_NUMBER}},
      {"no volume found is said; edits and choices empty the results; clear",
       {">QtzSolubilityWindow", "dataEntryP=100", "dataEntryT=673.15", "calculate",
        "warning?Change first approach", "Result?", "Result1?", "Choice1", "calculate",
        "warning?Change first approach", "dataEntryV=20", "warning?", "calculate",
        "Result?25.44942", "Choice0", "dataEntryV?", "Result?", "Result2?", "calculate", "Choice1",
        "Result?", "Choice0", "calculate", "dataEntryP=150", "@P?150", "Choice0?off", "Choice1?off",
        "Result?", "Result1?", "Result2?", "Celsius", "dataEntryP=100", "dataEntryT=400", "Choice0",
        "calculate", "Clear", "dataEntryP?", "dataEntryT?", "dataEntryV?", "Result?", "Result1?",
        "Result2?", "Choice0?off", "Celsius?on", "calculate", PUT_NUMBER}},
  });
}

}  // namespace
