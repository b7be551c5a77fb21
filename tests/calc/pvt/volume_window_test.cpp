// The "Molar Volumes" window driven through its controls.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

#define PUT_NUMBER "warning?warning: put a number for temperature and pressure"

TEST_F(WindowTest, MolarVolumes) {
  Play({
      // Of three roots the automatic start is the smallest (water at 250 K,
      // 0.1 MPa: not the 1,179 cm3/mol the middle one leads to); CO2 at 780 K
      // and 576 MPa has a negative smallest one and starts from the largest.
      {"the automatic start: the smallest root, else the largest",
       {">VolumeWindow", "dataEntryT=250", "dataEntryP=0.1", "Choice0", "calculate",
        "Result?62.11131", "DensityResult?0.2900483", "ExcessVol?0", "warning?", "@x=0,1,0,0,0",
        "dataEntryT=780", "dataEntryP=576", "Choice0", "calculate", "Result?39.72242",
        "DensityResult?1.107933", "ExcessVol?0", "warning?"}},
      // By hand from the pure volumes found after it:
      // 30.8423 - 0.9 * 25.44942 - 0.1 * 75.35557 = 0.40227.
      {"the excess volume of H2O-CO2 at 400 ˚C and 100 MPa",
       {"@x=0.9,0.1,0,0,0", ">VolumeWindow", "Celsius", "dataEntryT=400", "dataEntryP=100",
        "Choice0", "calculate", "Result?30.8423", "DensityResult?0.6683916", "ExcessVol?0.4022612",
        "@Vex?0.4022612", "warning?", "@x=1,0,0,0,0", "calculate", "Result?25.44942",
        "@x=0,1,0,0,0", "calculate", "Result?75.35557"}},
      {"a failed solve says so and keeps the shared excess volume",
       {"@x=0.9,0,0,0.1,0", ">VolumeWindow", "@Vex=1.5", "dataEntryT=873.15", "dataEntryP=50",
        "calculate", "warning?Change first approach\rno excess molar volume", "Result?",
        "ExcessVol?", "Choice0", "@x=0.9,0.1,0,0,0", "calculate", "@x=0.9,0,0,0.1,0", "@Vex=1.5",
        "calculate", "Result?38.41585",
        "warning?no excess molar volume: no molar volume of pure NaCl", "ExcessVol?", "@Vex?1.5"}},
      {"0 ˚C is a temperature; an empty or non-numeric field none, also in ˚C",
       {">VolumeWindow", "Celsius", "dataEntryP=100", "dataEntryT=0", "Choice0", "calculate",
        "warning?", "Result?39.31482", "@Vex=1.5", "dataEntryT=", "Choice0", "calculate",
        PUT_NUMBER, "dataEntryT=-273.15", "Choice0", "calculate", PUT_NUMBER, "dataEntryT=abc",
        "Choice0", "calculate", PUT_NUMBER, "Kelvin", "dataEntryT=0", "calculate", PUT_NUMBER,
        "dataEntryT=573.15", "dataEntryP=x", "Choice0", "calculate", PUT_NUMBER, "Result?",
        "ExcessVol?", "@Vex?1.5"}},
      {"edits write the shared scalars, empty the results and ask for a new first approach",
       {">VolumeWindow", "Celsius", "dataEntryT=25", "dataEntryP=100", "@T?298.15", "@P?100",
        "StaticText3?˚Celsius", "dataEntryT=", "@T?273.15", "Kelvin", "@T?273.15",
        "StaticText3?Kelvin", "dataEntryT=673.15", "@T?673.15", "dataEntryV=25", "calculate",
        "warning?Change first approach\rno excess molar volume", "Choice1", "calculate",
        "Result?25.44942", "warning?", "Choice0", "dataEntryV?", "Result?", "DensityResult?",
        "ExcessVol?", "dataEntryV=25", "calculate", "Choice1", "dataEntryV?25", "Result?", "Choice0", "calculate", "dataEntryP=200", "Choice0?off",
        "Choice1?off", "Result?", "warning?", "Choice1", "dataEntryV=25", "calculate",
        "dataEntryT=700", "Choice1?off", "dataEntryV?", "Result?"}},
      {"clear empties the window and zeroes the shared scalars last, keeping the unit",
       {">VolumeWindow", "Celsius", "dataEntryT=25", "dataEntryP=100", "Choice0", "calculate",
        "@Vex=1.5", "Clear", "@T?0", "@P?0", "@Vex?1.5", "Celsius?on", "StaticText3?˚Celsius",
        "Choice0?off", "dataEntryP?", "dataEntryT?", "dataEntryV?", "Result?", "DensityResult?",
        "ExcessVol?", "@P=20", "Clear", "@P?0"}},
  });
}

}  // namespace
