// Results the equation of state overflows to (an infinity, or NaN where
// overflowed terms meet) are never shown as "inf" or "nan": each window says
// "too large to show" where the number would stand.
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

// Water below about 5e-7 K overflows the equation of state; so does the NaCl
// fugacity coefficient of a brine at 300 K.
TEST_F(WindowTest, OverflowedResultsAreSaidTooLargeNeverShownAsNumbers) {
  DocumentsFolder documents;
  Play({
      {"Pressures",
       {">PressureWindow", "dataEntry=40", "dataEntry1=1e-50", "calculate",
        "warning?Warning: pressure too large to show", "@finite"}},
      {"Fugacities, the pressure",
       {">FugacityWindow", "RadioButtonTV", "dataEntryT=1e-50", "dataEntryPV=40", "Calculation1",
        "warning?warning: pressure too large to show", "@finite"}},
      {"Fugacities, the table",
       {"@x=0.9,0,0,0.1,0", ">FugacityWindow", "RadioButtonTP", "dataEntryT=300",
        "dataEntryPV=10", "Calculation1", "calculateFinal",
        "ListBox1[1]?NaCl|too large to show|too large to show", "@finite"}},
      {"the molar-volume analysis",
       {">VolumeWindow", "dataEntryT=1e-50", ">MathAnal", "calculate",
        "ListBox1[0]?7.185898|too large to show", "@finite"}},
      {"the isochore and its export",
       {"@V=40", ">Isochore", "minimum=-273.1499999", "maximum=0", "interval=100", "calculate",
        "Export", "ListBox1[0]?-273.15|too large to show", "@finite"}},
  });
  EXPECT_TRUE(documents.Read("40.txt").contains("\n-273.15, too large to show\n"));
}

}  // namespace
