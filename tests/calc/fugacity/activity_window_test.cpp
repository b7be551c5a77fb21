// The "Activities" window driven through its controls.
#include "calc/fugacity/ActivityWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

#define PUT_NUMBER "warning?warning: put a number for temperature and pressure"
#define PUT_NUMBER1 "warning1?put a number for pressure, temperature, and molar volume"

TEST_F(WindowTest, Activities) {
  Play({
      {"H2O-CO2 at 400 ˚C and 100 MPa against the pure real components at T and P",
       {"@x=0.9,0.1,0,0,0", ">ActivityWindow", "ListBox1^?gas|activity|coefficient",
        "dataEntryP=100", "dataEntryT=673.15", "Choice0", "calculateVm", "ResultV?30.8423",
        "@V?30.8423", "@P=7", "StandardChoice0", "dataEntryPref?100", "calculate",
        "ListBox1?H2O|0.9203151|1.022572;CO2|0.3044141|3.044141", "warning1?", "@T?673.15",
        "@P?100", "@V?30.8423", "StandardChoice1", "dataEntryPref=100", "calculate",
        "ListBox1?H2O|0.9203151|1.022572;CO2|0.3044141|3.044141"}},
      // Below its critical temperature a pure component's volume is sought
      // from 18 cm3/mol under its saturation pressure, else from 1000: water
      // at 0.1 MPa (above its 3 kPa) from 1000, CO2 at 5 MPa (below its
      // 6.4 MPa) from 18.
      {"H2O-CO2 at 298.15 K and 0.1 MPa, against the pure components at 0.1 and 5 MPa",
       {"@x=0.5,0.5,0,0,0", ">ActivityWindow", "dataEntryP=0.1", "dataEntryT=298.15", "Choice0",
        "calculateVm", "ResultV?39.63132", "StandardChoice0", "calculate",
        "ListBox1?H2O|0.01560861|0.03121721;CO2|47.99747|95.99495", "StandardChoice1",
        "dataEntryPref=5", "calculate", "ListBox1?H2O|0.7439649|1.48793;CO2|1.103715|2.207431"}},
      // Pure water against itself but for the seven digits of the molar
      // volume, which passes through its label.
      {"pure water against itself, and against the ideal gas at 0.1 MPa",
       {">ActivityWindow", "dataEntryP=10", "dataEntryT=473.15", "Choice0", "calculateVm",
        "ResultV?20.66763", "StandardChoice0", "calculate", "ListBox1?H2O|0.9999761|0.9999761",
        "StandardChoice2", "dataEntryPref=0.1", "calculate", "ListBox1?H2O|14.88345|14.88345"}},
      {"a brine against the ideal gases and salts at 0.1 MPa: the fugacity over x * 0.1 MPa",
       {"@x=0.88,0,0,0.1,0.02", ">ActivityWindow", "dataEntryP=200", "dataEntryT=873.15",
        "Choice0",
        "calculateVm", "ResultV?25.00334", "StandardChoice2", "dataEntryPref=0.1", "calculate",
        "ListBox1?H2O|1132.796|1287.268;NaCl|0.002735593|0.02735593;KCl|0.0002476033|0.01238017",
        "StandardChoice1", "dataEntryPref=0.001", "calculate",
        "ListBox1?H2O|99686.61|113280.2;NaCl||;KCl||", "warning1?no molar volume of pure NaCl, KCl"}},
      {"each edit empties what the later steps made, never the messages",
       {">ActivityWindow", "dataEntryP=100", "dataEntryT=673.15", "Choice0", "calculateVm",
        "StandardChoice1", "dataEntryPref=50", "calculate", "dataEntryPref=60",
        "StandardChoice1?on", "ResultV?25.44942", "ListBox1#?0", "calculate", "dataEntryV=20",
        "Choice0?on", "@V?25.44942", "ResultV?", "StandardChoice1?off", "dataEntryPref?",
        "calculate", PUT_NUMBER1, "calculateVm", "StandardChoice0", "calculate", "dataEntryP=12",
        "@P?12", "@V?0", "Choice0?off", "StandardChoice0?off", "ResultV?", "dataEntryPref?",
        "ListBox1#?0", "calculate", PUT_NUMBER1, "dataEntryT=673.15", PUT_NUMBER1, "Choice1",
        "dataEntryV=25", "calculateVm", "ResultV?370.8771", "dataEntryT=673", "Choice1?off",
        "Choice1", "Choice0", "dataEntryV?", "ResultV?", "@V?0"}},
      {"clear empties all but the temperature unit and the messages",
       {">ActivityWindow", "Choice0", "dataEntryV=25", "Clear", "dataEntryV?", "Choice0?off",
        "Celsius", "dataEntryP=100",
        "dataEntryT=400", "Choice1", "dataEntryV=25", "calculateVm", "StandardChoice0", "calculate",
        "@T=5", "@P=6", "Clear", "@T?0", "@P?0", "@V?0", "dataEntryP?", "dataEntryT?",
        "Choice1?off", "dataEntryV?", "ResultV?", "ListBox1#?0", "Celsius?on",
        "StaticText3?˚Celsius", "warning1?"}},
      {"the temperature in kelvin unless ˚C; an empty field is none, also in ˚C",
       {">ActivityWindow", "Celsius", "dataEntryP=100", "dataEntryT=-10", "@T?263.15", "Choice0",
        "calculateVm", "warning?", "@T?263.15", "ResultV?44.11593", "dataEntryT=", "Choice0",
        "calculateVm", PUT_NUMBER, "dataEntryT=-273.15", "calculateVm", PUT_NUMBER, "Kelvin",
        "dataEntryT=-10", "calculateVm", PUT_NUMBER, "dataEntryT=673.15", "dataEntryP=-1",
        "calculateVm", PUT_NUMBER, "ResultV?"}},
      {"failures are said, never listed as values",
       {">ActivityWindow", "dataEntryP=100", "dataEntryT=673.15", "Choice1", "calculateVm",
        "warning?Change first approach", "ResultV?", "Choice0", "calculateVm", "warning?",
        "@x=0,0,0,0,1", "calculateVm", "ResultV?", "@x=1,0,0,0,0", "calculateVm", "calculate",
        "warning1?choose a standard state", "ListBox1#?0", "StandardChoice1", "dataEntryPref=0",
        "calculate", "warning1?put a number for reference pressure", "ListBox1#?0",
        "StandardChoice2", "dataEntryPref=x", "calculate",
        "warning1?put a number for reference pressure"}},
  });
}

// The panel of all controls but the scroll bar is 860 pixels high.
TEST_F(WindowTest, ActivitiesPanelFollowsItsScrollBar) {
  ActivityWindow& w = ActivityWindow::Instance();
  w.Show();
  fw::ScrollBar& bar = w.Scroll("ScrollBar1");
  EXPECT_EQ(std::pair(bar.Maximum(), bar.Height()), std::pair(860 - w.Height(), w.Height() - 15));
  bar.SetValue(100);
  EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -100);
}

}  // namespace
