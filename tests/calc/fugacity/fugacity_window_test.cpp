// The "Fugacities" window driven through its controls.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

#define PUT_NUMBER_TP "warning?warning: put a number for temperature and pressure"
#define PUT_NUMBER_TV "warning?warning: put a number for temperature and molar volume"
#define PUT_NUMBER_STATE "warning?warning: put a number for temperature, molar volume, and pressure"
#define PRESSURE_MODE                                                                           \
  "Parameter?Pressure", "Unit0?MPa", "Unitsup?", "Density1?", "Parameter1?Molar Volume", \
      "Unit1?cm /mol", "UnitSup1?3", "Density2?corresponding density",                       \
      "Calculation1?volume calculation"
#define VOLUME_MODE                                                                          \
  "Parameter?Molar Volume", "Unit0?cm /mol", "Unitsup?3",                                    \
      "Density1?corresponding density", "Parameter1?Pressure", "Unit1?MPa", "UnitSup1?", \
      "Density2?", "Calculation1?pressure calculation"

TEST_F(WindowTest, Fugacities) {
  Play({
      // Each fugacity is the mole fraction times the coefficient times the
      // pressure: 0.2516999 * 100 = 25.16999 MPa, and so in every table here.
      {"mode T-P: water at 673.15 K and 100 MPa, its volume and its fugacity",
       {">FugacityWindow", "ListBox1^?gas|fugacity (in MPa)|coefficient", "RadioButtonTP",
        PRESSURE_MODE, "dataEntryT=673.15", "dataEntryPV=100", "Calculation1", "ResultPV?25.44942",
        "Density2?corresponding density = 0.7078857 g/cm3", "@T?673.15", "@P?100", "@V?25.44942",
        "calculateFinal", "ListBox1?H2O|25.16999|0.2516999", "warning?", "dataEntryT=773.15",
        "ResultPV?", "Density2?corresponding density = 0.7078857 g/cm3", "ListBox1#?0", "@T?773.15",
        "@P?100", "calculateFinal", "ListBox1?H2O|34.46959|0.3446959"}},
      {"mode T-V: the pressure, and a row for every component present, also a negative one",
       {"@x=0.95,0,0,0.1,-0.05", ">FugacityWindow", "RadioButtonTV", VOLUME_MODE, "dataEntryPV=20",
        "Density1?corresponding density = 0.9616096 g/cm3", "dataEntryPV=",
        "Density1?corresponding density = 0.9616096 g/cm3", "dataEntryT=773.15", "dataEntryPV=25",
        "Calculation1", "ResultPV?71.29306", "Density2?", "@V?25", "calculateFinal",
        "ListBox1[0]?H2O|37.68683|0.5564405", "ListBox1[1]?NaCl|1.013123e-05|1.421068e-06",
        "ListBox1[2]?KCl|-8.842186e-09|2.480518e-09", "ListBox1#?3"}},
      {"each mode empties the entries and the table; clear returns to T-P and keeps the unit",
       {">FugacityWindow", "dataEntryPV=20", "Density1?corresponding density",
        "Density2?corresponding density", "RadioButtonTP", "dataEntryT=673.15", "dataEntryPV=100",
        "Calculation1", "calculateFinal", "RadioButtonTV", VOLUME_MODE, "dataEntryT?",
        "dataEntryPV?", "ListBox1#?0", "RadioButtonTP", PRESSURE_MODE, "Celsius", "RadioButtonTV",
        "Clear", "RadioButtonTP?on", PRESSURE_MODE, "Celsius?on"}},
      // In ˚C only temperatures above the freezing point pass.
      {"the temperature is judged as typed; a refusal stores nothing",
       {">FugacityWindow", "RadioButtonTP", "Celsius", "dataEntryT=-5", "dataEntryPV=50", "@P=7",
        "@T=0", "Calculation1", PUT_NUMBER_TP, "@T?0", "@P?7", "dataEntryT=0.5", "warning?",
        "Calculation1", "warning?", "@T?273.65", "dataEntryT=", "Calculation1", PUT_NUMBER_TP,
        "Kelvin", "dataEntryT=1e308", "Calculation1", PUT_NUMBER_TP, "dataEntryT=673.15",
        "dataEntryPV=0", "Calculation1", PUT_NUMBER_TP, "RadioButtonTV", "Celsius", "dataEntryT=0",
        "dataEntryPV=30", "Calculation1", PUT_NUMBER_TV, "Kelvin", "dataEntryT=x", "Calculation1",
        PUT_NUMBER_TV, "dataEntryT=1e-320", "Calculation1", PUT_NUMBER_TV}},
      {"no volume found, no pressure below the lowest volume, no fugacities where Z <= 0",
       {">FugacityWindow", "RadioButtonTP", "dataEntryT=873.15", "dataEntryPV=50", "Calculation1",
        "@x=0,0,0,1,0", "Calculation1", "ResultPV?", "Density2?corresponding density",
        "warning?warning: no molar volume found", "@V?0",
        "calculateFinal", PUT_NUMBER_STATE, "@x=1,0,0,0,0", "RadioButtonTV", "dataEntryT=673.15",
        "dataEntryPV=14", "Calculation1", "ResultPV?4726.896", "@x=0,0,0,0,1", "Calculation1",
        "ResultPV?", "warning?warning: molar volume too small, no pressure", "calculateFinal",
        PUT_NUMBER_STATE, "ListBox1#?0", "@x=1,0,0,0,0", "dataEntryT=673.15", "dataEntryPV=45",
        "Calculation1", "dataEntryT=280", "calculateFinal",
        "warning?warning: no fugacities at the stored state point", "ListBox1#?0"}},
      {"a unit switch drops the stored temperature until an edit or a calculation",
       {">FugacityWindow", "RadioButtonTP", "dataEntryT=673.15", "dataEntryPV=100", "Calculation1",
        "Celsius", "StaticText1?˚Celsius", "ResultPV?25.44942", "@T?0", "calculateFinal",
        PUT_NUMBER_STATE, "dataEntryT=400", "@T?673.15", "calculateFinal", "ListBox1#?1", "Kelvin",
        "@T?0", "Calculation1", "@T?400", "calculateFinal", "ListBox1#?1", "Celsius", "dataEntryT=",
        "@T?273.15"}},
      // Other windows store their own state points in the shared scalars
      // between the two steps.
      {"the table is of the window's own state point: its temperature, its first step",
       {"@x=0.9,0.1,0,0,0", ">FugacityWindow", "@T=773.15", "@P=200", "@V=33", "dataEntryT=600",
        "calculateFinal", PUT_NUMBER_STATE, "RadioButtonTP", "dataEntryT=600", "dataEntryPV=50",
        "Calculation1", "ResultPV?31.61883", ">BubbleDewPoint", "dataEntryTh=600",
        "FirstApproach", ">ActivityWindow", "dataEntryT=500", "dataEntryP=20", "<FugacityWindow",
        "calculateFinal", "ListBox1?H2O|10.12501|0.2250002;CO2|23.61936|4.723873",
        "RadioButtonTV", "dataEntryT=600", "dataEntryPV=31.61883", "Calculation1",
        "ResultPV?50.00001", "@T=500", "@P=20", "@V=80", "calculateFinal",
        "ListBox1?H2O|10.12501|0.2250001;CO2|23.61937|4.723873", "dataEntryPV=41",
        "calculateFinal", PUT_NUMBER_STATE}},
      // An edit of the temperature keeps the state point of a finished first
      // step, but one cut short fixes none, nor leaves the one before.
      {"a first step cut short by an edit leaves the table nothing, nor the shared scalars",
       {">FugacityWindow", "RadioButtonTP", "dataEntryT=673.15", "dataEntryPV=100", "Calculation1",
        "@yield1:dataEntryT=700", "Calculation1", "ResultPV?", "calculateFinal", PUT_NUMBER_STATE,
        "ListBox1#?0", "RadioButtonTV", "dataEntryT=673.15", "dataEntryPV=30", "Calculation1",
        "@yield1:dataEntryT=700", "Calculation1", "ResultPV?", "@P=20", "@V=35",
        "calculateFinal", PUT_NUMBER_STATE, "ListBox1#?0"}},
  });
}

}  // namespace
