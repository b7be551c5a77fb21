// The "Pressures" window driven through its controls.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

#define PUT_NUMBER "warning?Warning: put a number for temperature and molar volume"
#define RANGE "warning1?Warning: temperature range is 573 to 1200 K, maximum pressure is 500 MPa"

TEST_F(WindowTest, Pressures) {
  Play({
      {"water at unit density and 300 ˚C, also on its isochore",
       {">PressureWindow", "StaticText5?*minimum value = 7.11475 cc/mol", "dataEntry=18.01528",
        "Density?corresponding density = 1 g/cm3", "dataEntry1=573.15", "calculate",
        "Result?564.5719", "warning?", RANGE, "@V?18.01528", "PushButton1", ">Isochore",
        "ResultV?18.01528", "ResultV1?1", "minimum=300", "maximum=301", "interval=1", "calculate",
        "ListBox1?300|564.5719;301|567.1495"}},
      // A unit switch changes the temperature without an edit, which would
      // empty the warnings anyway.
      {"the range warning outside 573.15 to 1200 K or above 500 MPa, and only there",
       {">PressureWindow", "dataEntry=40", "dataEntry1=300", "calculate", "Result?-34.71391", RANGE,
        "Celsius", "calculate", "Result?-8.617887", "warning1?", "Kelvin", "dataEntry1=1200",
        "calculate", "warning1?", "dataEntry1=573", "calculate", RANGE, "dataEntry1=1200.0001",
        "calculate", RANGE, "dataEntry=20", "dataEntry1=1000", "calculate", "Result?1088.437",
        RANGE, "dataEntry=30", "dataEntry1=573.15", "calculate", "Result?-11.32299", "warning1?"}},
      {"a refused input keeps the last result, and its volume is handed on",
       {">PressureWindow", "Density?corresponding density", "dataEntry1=600", "calculate",
        PUT_NUMBER, "@V?0", "dataEntry=-5", "warning?", "calculate", PUT_NUMBER,
        "Density?corresponding density", "@V?-5", "dataEntry1=601", "warning?", "dataEntry=1e-320",
        "calculate", PUT_NUMBER, "@V?0", "dataEntry=40", "dataEntry1=0", "calculate", PUT_NUMBER,
        "Result?", "@V?40", "dataEntry1=-100", "calculate", PUT_NUMBER, "Celsius", "calculate",
        PUT_NUMBER, "Result?11786.93", RANGE, "Kelvin", "calculate", PUT_NUMBER, "Result?11786.93",
        RANGE, "dataEntry1=", "Celsius", "calculate", PUT_NUMBER, "Result?", "dataEntry1=-273.15",
        "calculate", PUT_NUMBER, "dataEntry1=abc", "calculate", PUT_NUMBER}},
      {"no pressure at or below the lowest volume, and none too large to show",
       {">PressureWindow", "dataEntry=7.12", "dataEntry1=600", "calculate",
        "warning?Warning: molar volume too small, no pressure", "Result?", "warning1?",
        "dataEntry=40", "Celsius", "dataEntry1=1e-50", "calculate", RANGE, "Kelvin", "calculate",
        "Result?", "warning?Warning: pressure too large to show", "warning1?"}},
      {"edits empty the results, a unit alone does not; clear",
       {">PressureWindow", "dataEntry=40", "dataEntry1=700", "calculate", "Result?46.16336",
        "Celsius", "StaticText3?˚Celsius", "Result?46.16336", "calculate", "Result?170.5349",
        "Kelvin", "dataEntry1=500", "calculate", RANGE, "dataEntry=41", "Result?", "warning1?",
        "Density?corresponding density = 0.4393971 g/cm3", "calculate", "dataEntry1=510", "Result?",
        "warning1?", "Clear", "dataEntry?", "dataEntry1?", "Density?", "Result?", "warning?",
        "warning1?", "Kelvin?on", "Celsius?off", "StaticText3?Kelvin", "@V?41"}},
      {"the minimum volume of the fluid accepted last",
       {"@x=0,1,0,0,0", ">PressureWindow", "StaticText5?*minimum value = 12.38 cc/mol",
        "@x=0.9,0.1,0,0,0", "@activate", "StaticText5?*minimum value = 7.641275 cc/mol"}},
      {"an emptied volume field shows the hint alone, no density of 0",
       {">PressureWindow", "dataEntry=41", "dataEntry=", "Density?corresponding density",
        "dataEntry=0", "Density?corresponding density"}},
  });
}

}  // namespace
