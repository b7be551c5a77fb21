// The "Temperatures" window driven through its controls.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

#define PUT_NUMBER "warning?warning: put a number for temperature and pressure"

TEST_F(WindowTest, Temperatures) {
  Play({
      // The temperature is kept to every bit: another start ends on other bits.
      {"the automatic start: P·V/R, replaced by 300 K below 273.15 K and by 1100 K above 1200 K",
       {">TemperatureWindow", "dataEntryV=20", "dataEntryP=100", "Choice0", "calculate",
        "@T?312.31877508988879", "Result?312.3188", "warning?", "dataEntryV=100", "dataEntryP=50",
        "Choice0", "calculate", "@T?845.43729811502078", "Result?845.4373", "dataEntryV=60",
        "dataEntryP=200", "Choice0", "calculate", "@T?1343.9221452562108", "Result?1343.922"}},
      {"a typed start counts with manual on only, in kelvin whatever the unit shown",
       {">TemperatureWindow", "dataEntryV=20", "dataEntryP=100", "dataEntryT=500", "Choice1?off",
        "calculate", "warning?Change first approach", "Result?", "Celsius", "Choice1",
        "dataEntryT=500", "calculate", "Result?228.6011", "@T?501.7511"}},
      {"refused inputs leave the shared temperature",
       {">TemperatureWindow", "@T=42", "dataEntryP=100", "calculate", PUT_NUMBER, "dataEntryV=20",
        "warning?", "dataEntryP=-1", "calculate", PUT_NUMBER, "dataEntryV=abc", "dataEntryP=100",
        "calculate", PUT_NUMBER, "Result?", "@T?42"}},
      {"the unit radios show this window's own last result, never another window's",
       {">VolumeWindow", "dataEntryT=573.15", ">TemperatureWindow", "Celsius", "Result?", "Kelvin",
        "Result?", "dataEntryV=20", "dataEntryP=100", "Choice0", "calculate", "Result?312.3188",
        "@T=1000", "Choice1", "dataEntryT=400", "Choice0", "dataEntryT?", "dataEntryV=25",
        "dataEntryP=90",
        "Result?", "Celsius", "Result?39.16878", "Kelvin", "Result?312.3188", "StaticText8?Kelvin",
        "Clear", "Celsius", "Result?", "dataEntryV=20", "dataEntryP=100", "Choice0", "calculate",
        "Result?39.16878", "Choice1", "dataEntryT=-50", "calculate",
        "warning?Change first approach", "Result?", "@T?0", "Kelvin", "Result?", "Celsius",
        "Result?", "StaticText8?˚Celsius"}},
      {"volume and pressure edits write the shared scalars and ask for a new first approach",
       {">TemperatureWindow", "dataEntryV=0", "@V?0", "Density?corresponding density",
        "dataEntryV=-3", "@V?-3", "Density?corresponding density", "dataEntryV=20",
        "dataEntryP=100", "@V?20", "@P?100", "Density?corresponding density = 0.900764 g/cm3",
        "Choice1", "dataEntryT=500", "calculate", "Result?501.7511", "dataEntryV=30", "@V?30",
        "Choice1?off", "dataEntryT?", "Result?", "Choice1", "dataEntryT=500", "calculate",
        "Result?739.4699", "dataEntryP=30", "@P?30", "Choice1?off", "dataEntryT?", "Result?"}},
      {"two radio groups; clear empties the window and returns to kelvin",
       {">TemperatureWindow", "Choice0", "Celsius", "Kelvin?off", "Choice0?on", "Celsius",
        "Celsius?on", "Choice1", "Choice0?off", "Celsius?on", "Clear", "Choice1?off", "Choice0",
        "Clear", "Choice0?off", "dataEntryV=20", "dataEntryP=100", "Choice0", "calculate",
        "dataEntryT=500", "Celsius", "Clear", "Kelvin?on", "Celsius?off", "StaticText8?Kelvin", "Choice0?off",
        "Choice1?off", "dataEntryV?", "dataEntryP?", "dataEntryT?", "Result?", "warning?",
        "Density?corresponding density", "Analysis", "<MathAnalT"}},
  });
}

}  // namespace
