// The activity step of the "Activities" window: the fugacity of every
// component in the fluid over its fugacity in the chosen standard state.
#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "calc/fugacity/ActivityWindow.h"
#include "calc/pvt/ComponentNames.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

using fw::Str;
using fw::Val;

namespace {

const QString kPutNumber = "put a number for pressure, temperature, and molar volume";
const QString kChooseStandardState = "choose a standard state";
const QString kPutReferencePressure = "put a number for reference pressure";
const QString kNoPureVolume = "no molar volume of pure ";

// Start volumes (cm3/mol) of the pure-component volume solve. Below its
// saturation pressure a gas is searched from the liquid side.
constexpr double kLiquidLikeStart = 18.0;
constexpr double kVapourLikeStart = 1000.0;
constexpr double kSaltStart = 25.0;

enum class StandardState { PureRealAtP, PureRealAtPref, PureIdealAtPref, None };

}  // namespace

void ActivityWindow::calculate_Action() {
  // The run ends early when the window is closed or an input is edited while
  // it yields: its table would describe inputs no longer shown.
  const fw::RunInputs inputs(*this);

  Globals::Composition pure{};
  fw::Listbox& list = List("ListBox1");
  list.DeleteAllRows();

  // The shared scalars take the inputs as read, also when they are refused.
  const std::optional<double> typedT = pvt::TypedKelvin(*this, Field("dataEntryT").Text());
  Globals::PMPa_global = Val(Field("dataEntryP").Text());
  Globals::TK_global = pvt::KelvinUnlessCelsius(*this, Field("dataEntryT").Text());
  // The molar volume as shown: a volume erased or never found reads as 0.
  Globals::Vm_global = Val(Label("ResultV").Text());
  // One state point and one fluid for the whole run.
  const double P = Globals::PMPa_global;
  const double Vm = Globals::Vm_global;
  const Globals::Composition x = Globals::fraction;
  if (!(Vm > 0) || !pvt::IsPositiveKelvin(typedT) || !(P > 0)) {
    Label("warning1").SetText(kPutNumber);
    list.DeleteAllRows();
    return;
  }
  const double T = *typedT;

  StandardState standard = StandardState::None;
  if (Radio("StandardChoice0").Value()) standard = StandardState::PureRealAtP;
  if (Radio("StandardChoice1").Value()) standard = StandardState::PureRealAtPref;
  if (Radio("StandardChoice2").Value()) standard = StandardState::PureIdealAtPref;
  // Without a standard state there is no activity to list.
  if (standard == StandardState::None) {
    Label("warning1").SetText(kChooseStandardState);
    return;
  }
  const double Pref = Val(Field("dataEntryPref").Text());
  if (standard != StandardState::PureRealAtP && !(Pref > 0)) {
    Label("warning1").SetText(kPutReferencePressure);
    return;
  }
  Label("warning1").SetText("");

  Globals::Fugacities(x, T, P, Vm);
  // Taken at once: a calculation run during a yield may write the array anew.
  const Globals::Composition mixture = Globals::Fugacity;
  RuntimeBackgroundTask();
  if (!inputs.StillShown()) return;

  // Components whose pure molar volume no start finds have no reference
  // fugacity and so no activity.
  std::array<bool, 5> noPureVolume{};
  if (standard == StandardState::PureRealAtP || standard == StandardState::PureRealAtPref) {
    const double Pst = standard == StandardState::PureRealAtP ? P : Pref;
    for (int i = 0; i < 5; ++i) {
      if (x[i] != 0) {
        pure[i] = 1.0;
        double V0 = kSaltStart;
        if (i <= 2) V0 = Pst < Globals::SaturationPressure(i, T) ? kLiquidLikeStart : kVapourLikeStart;
        double V = Globals::Volume(pure, T, Pst, V0);
        if (!(V > 0)) V = Globals::Volume(pure, T, Pst, Vm);
        if (!(V > 0) && standard == StandardState::PureRealAtP)
          V = Globals::Volume(pure, T, Pst, Vm + kVapourLikeStart);
        if (!inputs.StillShown()) return;
        noPureVolume[i] = !(V > 0);
        Globals::Fugacities(pure, T, Pst, V);
        const double reference = Globals::Fugacity[i];
        Globals::Activity[i] = reference != 0 ? mixture[i] / reference : 0;
        pure[i] = 0.0;
      }
      RuntimeBackgroundTask();
      if (!inputs.StillShown()) return;
    }
  } else {
    for (int i = 0; i < 5; ++i) {
      Globals::Fugacity[i] = x[i] * Pref;
      Globals::Activity[i] = Globals::Fugacity[i] != 0 ? mixture[i] / Globals::Fugacity[i] : 0;
      RuntimeBackgroundTask();
      if (!inputs.StillShown()) return;
    }
  }

  QStringList withoutVolume;
  for (int i = 0; i < 5; ++i) {
    if (x[i] != 0) {
      list.AddRow(pvt::kComponentNames[i]);
      if (noPureVolume[i]) {
        withoutVolume << pvt::kComponentNames[i];
        Label("warning1").SetText(kNoPureVolume + withoutVolume.join(", "));
      } else {
        list.SetCell(list.LastIndex(), 1, fw::ResultText(Globals::Activity[i]));
        list.SetCell(list.LastIndex(), 2, fw::ResultText(Globals::Activity[i] / x[i]));
      }
    }
    RuntimeBackgroundTask();
    // Nor does a table cut short stay: what the run wrote goes.
    if (!inputs.StillShown()) {
      list.DeleteAllRows();
      Label("warning1").SetText("");
      return;
    }
  }
}
