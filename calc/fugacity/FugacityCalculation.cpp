// The two calculation steps of the "Fugacities" window: fixing the state
// point, and the fugacity table at the state point the window keeps.
#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "calc/pvt/ComponentNames.h"
#include "calc/fugacity/FugacityWindow.h"
#include "calc/pvt/AdmissibleVolume.h"
#include "calc/pvt/DensityHint.h"
#include "calc/pvt/FirstVolumeApproach.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/RuntimeBackgroundTask.h"

using fw::Str;
using fw::Val;

namespace {

const QString kPutNumberTP = "warning: put a number for temperature and pressure";
const QString kPutNumberTV = "warning: put a number for temperature and molar volume";
const QString kPutNumberState = "warning: put a number for temperature, molar volume, and pressure";
// The solver's failure value 0 is no molar volume.
const QString kNoVolume = "warning: no molar volume found";
// At or below the lowest admissible volume the equation of state has no pressure.
const QString kNoPressure = "warning: molar volume too small, no pressure";
// The equation of state gives no fugacities where its compressibility factor
// is not positive or the volume is not admissible.
const QString kNoFugacities = "warning: no fugacities at the stored state point";
const QString kPressureNotShown = "warning: pressure " + fw::kTooLargeToShow;

}  // namespace

// The temperature is judged as the number typed, before its conversion to
// kelvin: in ˚C only temperatures above the freezing point pass.
void FugacityWindow::Calculation1_Action() {
  const fw::RunInputs inputs(*this);
  const bool accepted =
      Val(Field("dataEntryT").Text()) > 0 && Val(Field("dataEntryPV").Text()) > 0;
  const bool pressureMode = Radio("RadioButtonTP").Value();
  const bool volumeMode = Radio("RadioButtonTV").Value();
  if (!accepted) {
    if (pressureMode) Label("warning").SetText(kPutNumberTP);
    if (volumeMode) Label("warning").SetText(kPutNumberTV);
    return;
  }
  Label("warning").SetText("");
  StoreTypedTemperature();
  // One fluid and temperature for the whole step: the solve yields, and what
  // another window writes meanwhile does not reach it.
  const Globals::Composition x = Globals::fraction;
  const double T = temperature_;
  // The state point of the step before is gone; this one counts once found
  // for inputs still shown.
  if (pressureMode || volumeMode) pressure_ = volume_ = 0;

  if (pressureMode) {
    const double P = Val(Field("dataEntryPV").Text());
    Globals::PMPa_global = P;
    const double V0 = pvt::AutomaticFirstVolume(x, T, P);
    const double V = Globals::Volume(x, T, P, V0);
    // Stored also when the solve failed: "calculate" then refuses the state.
    // Stored also when an input is edited while the solve yields: with the
    // pressure stored before it, the state point stays one of the fluid.
    Globals::Vm_global = V;
    if (!inputs.StillShown()) return;
    pressure_ = P;
    volume_ = V;
    if (!(V > 0)) {
      Label("ResultPV").SetText("");
      Label("Density2").SetText(pvt::kNoDensityHint);
      Label("warning").SetText(kNoVolume);
      return;
    }
    Label("ResultPV").SetText(Str(V));
    Label("Density2").SetText(pvt::DensityHintAt(V));
  }
  if (volumeMode) {
    const double V = Val(Field("dataEntryPV").Text());
    Globals::Vm_global = V;
    // A negative pressure is the equation's own result and is shown.
    const double P = Globals::Pressure(x, T, V);
    Globals::PMPa_global = P;
    const bool admissible = pvt::HasPressure(x, V);
    if (!inputs.StillShown()) return;
    pressure_ = P;
    volume_ = V;
    Label("Density2").SetText("");
    if (!admissible) {
      Label("ResultPV").SetText("");
      Label("warning").SetText(kNoPressure);
      return;
    }
    if (!fw::IsShowable(P)) {
      Label("ResultPV").SetText("");
      Label("warning").SetText(kPressureNotShown);
      return;
    }
    Label("ResultPV").SetText(Str(P));
  }
}

// The state point is the window's own: the temperature of its field and the
// pressure and molar volume of its first step. The shared scalars may hold
// another window's state point meanwhile.
void FugacityWindow::calculateFinal_Action() {
  const fw::RunInputs inputs(*this);
  fw::Listbox& list = List("ListBox1");
  list.DeleteAllRows();
  if (!fw::ParseNumber(Field("dataEntryT").Text()) || !Globals::IsFinitePositive(volume_) ||
      !Globals::IsFinitePositive(temperature_) || !Globals::IsFinitePositive(pressure_)) {
    Label("warning").SetText(kPutNumberState);
    return;
  }
  // One state point for the whole table, whatever changes while it yields.
  const Globals::Composition x = Globals::fraction;
  const double T = temperature_;
  const double P = pressure_;
  const double V = volume_;
  const bool hasFugacities =
      pvt::HasPressure(x, V) && Globals::Compressibility(x, T, V) > 0;
  if (!inputs.StillShown()) return;
  if (!hasFugacities) {
    Label("warning").SetText(kNoFugacities);
    return;
  }
  Globals::Fugacities(x, T, P, V);
  const Globals::Composition fugacities = Globals::Fugacity;
  const Globals::Composition coefficients = Globals::Coefficient;
  for (int i = 0; i < 5; ++i) {
    if (x[i] != 0) {
      list.AddRow(pvt::kComponentNames[i]);
      list.SetCell(list.LastIndex(), 1, fw::ResultText(fugacities[i]));
      list.SetCell(list.LastIndex(), 2, fw::ResultText(coefficients[i]));
    }
    RuntimeBackgroundTask();
    // Nor does a table cut short stay.
    if (!inputs.StillShown()) return list.DeleteAllRows();
  }
  Label("warning").SetText("");
}
