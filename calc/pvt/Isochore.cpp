#include "calc/pvt/Isochore.h"

#include <optional>

#include <QScopedValueRollback>
#include <QWidget>

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "calc/pvt/AdmissibleVolume.h"
#include "calc/pvt/IsochoreExportFile.h"
#include "calc/pvt/IsochoreTemperatures.h"
#include "calc/pvt/ResultList.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

using fw::Str;
using fw::Val;

namespace {

constexpr std::uint32_t kBlack = 0x000000;

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Isochore", 300, 505),
      fw::StoredOrder::Reversed,
      Listbox("ListBox1", 50, 228, 200, 195)
          .Columns(2, "50%, 50%")
          .Heading()
          .Size(10)
          .SetNumber("GridLinesVertical", 3),
      StaticText("StaticText1", 20, 90, 110, 18).Text("min. temperature").Size(12).Multiline(),
      StaticText("StaticText2", 20, 115, 110, 18).Text("max. temperature").Size(12).Multiline(),
      StaticText("StaticText3", 20, 140, 110, 18).Text("step temperature").Size(12).Multiline(),
      PushButton("calculate", 100, 178, 100, 30).Caption("calculate").Size(16).Default().Font("system"),
      EditField("minimum", 150, 90, 80, 18).Size(12).Font("system"),
      EditField("maximum", 150, 115, 80, 18).Size(12).Font("system"),
      EditField("interval", 150, 140, 80, 18).Size(12).Font("system"),
      StaticText("StaticText4", 240, 90, 25, 18).Text("\u02DAC").Size(12).Multiline(),
      StaticText("StaticText5", 240, 115, 25, 18).Text("\u02DAC").Size(12).Multiline(),
      StaticText("StaticText6", 240, 140, 45, 18).Text("degree").Size(12).Multiline(),
      StaticText("MolarVolume", 20, 20, 100, 20).Text("Molar Volume").Size(14).Font("system"),
      StaticText("StaticText7", 220, 20, 65, 20).Text("cm /mol").Size(14).Font("system"),
      StaticText("StaticText8", 240, 16, 16, 20).Text("3").Size(11).Font("system"),
      StaticText("ResultV", 135, 20, 70, 20),
      StaticText("MolarVolume1", 20, 50, 100, 20).Text("Density").Size(14).Font("system"),
      StaticText("StaticText9", 220, 50, 65, 20).Text("g/cm").Size(14).Font("system"),
      StaticText("StaticText10", 257, 46, 16, 20).Text("3").Size(11).Font("system"),
      StaticText("ResultV1", 135, 50, 70, 20),
      Rectangle("Rectangle1", 20, 440, 260, 50).Fill(0xFFFFFF).BorderWidth(1).Bevel(kBlack, kBlack),
      PushButton("Export", 45, 453, 60, 20).Parent("Rectangle1").Caption("export").Size(12),
      StaticText("filename1", 130, 467, 120, 16).Parent("Rectangle1").Size(12).Multiline(),
      StaticText("filename0", 130, 447, 120, 16).Parent("Rectangle1").Size(12).Multiline());
});

const QString kPutNumber = "put number";
const QString kAvailable = "data is available in:";
const QString kNotWritten = "could not write:";
// No pressure exists at or below the lowest admissible volume of the fluid.
const QString kVolumeTooSmall = "volume too small";

}  // namespace

fw::WindowBlocks Isochore::Blocks() { return kBlocks; }

fw::ExponentLabels Isochore::Exponents() {
  return {{"StaticText7", "StaticText8"}, {"StaticText9", "StaticText10"}};
}

fw::Handlers Isochore::Handlers() {
  return {
      FW_HANDLER(Isochore, calculate, Action),
      FW_HANDLER(Isochore, Export, Action),
  };
}

FW_REGISTER_WINDOW(Isochore);

namespace {

// The range typed in ˚C, in K. Each check is made whatever the others gave,
// and each failing one writes "put number" into its own field: a field that
// holds no number ("", "abc", "1,5", "nan"), a minimum at or below absolute
// zero, a maximum not above the minimum, a step not above 0. Empty when a
// check failed.
std::optional<pvt::IsochoreRange> CheckedRange(Isochore& w) {
  const std::optional<double> minimum = fw::ParseNumber(w.Field("minimum").Text());
  const std::optional<double> maximum = fw::ParseNumber(w.Field("maximum").Text());
  pvt::IsochoreRange r;
  r.Tmin = minimum.value_or(0) + 273.15;
  r.Tmax = maximum.value_or(0) + 273.15;
  r.step = Val(w.Field("interval").Text());
  const bool minimumOk = minimum && r.Tmin > 0;
  // A minimum without a number gives the maximum nothing to exceed.
  const bool maximumOk = maximum && (!minimum || r.Tmax > r.Tmin);
  bool intervalOk = r.step > 0;
  if (minimumOk && maximumOk && intervalOk) intervalOk = pvt::IsochoreRangeEnds(r);
  if (!minimumOk) w.Field("minimum").SetText(kPutNumber);
  if (!maximumOk) w.Field("maximum").SetText(kPutNumber);
  if (!intervalOk) w.Field("interval").SetText(kPutNumber);
  if (minimumOk && maximumOk && intervalOk) return r;
  return std::nullopt;
}

// The checked range, when the fields pass and the equation of state has a
// pressure for the fluid x at the molar volume V; else the window says why.
std::optional<pvt::IsochoreRange> CheckedRun(Isochore& w, const Globals::Composition& x, double V) {
  const std::optional<pvt::IsochoreRange> range = CheckedRange(w);
  if (range && !pvt::HasPressure(x, V)) {
    w.Label("filename0").SetText(kVolumeTooSmall);
    return std::nullopt;
  }
  return range;
}

void SetFileLabels(Isochore& w, const QString& note, const QString& name, const QString& path) {
  w.Label("filename0").SetText(note);
  w.Label("filename1").SetText(name);
  w.Label("filename1").Widget()->setToolTip(path);
}

}  // namespace

void Isochore::Event_Activate() {
  // A table or export in the making keeps its rows and the molar volume
  // and density it is computed for.
  if (running_) return;
  volume_ = Globals::Vm_global;
  Label("ResultV").SetText(Str(volume_));
  const double density = volume_ > 0 ? Globals::Density(Globals::fraction, volume_) : 0;
  Label("ResultV1").SetText(Str(density));
  SetFileLabels(*this, "", "", "");
  pvt::ResetResultList(*this, "Temperature (\u02DAC)", "Pressure (MPa)");
}

void Isochore::calculate_Action() {
  if (running_) return;
  const QScopedValueRollback<bool> running(running_, true);
  List("ListBox1").DeleteAllRows();
  SetFileLabels(*this, "", "", "");
  // One fluid and the molar volume shown for the whole table: a fluid
  // accepted while it yields does not reach its rows.
  const Globals::Composition x = Globals::fraction;
  const double V = volume_;
  const std::optional<pvt::IsochoreRange> range = CheckedRun(*this, x, V);
  if (!range) return;
  pvt::ForEachIsochoreTemperature(*range, [&](double T) {
    const double P = Globals::Pressure(x, T, V);
    return pvt::AppendRowAndYield(*this, T - 273.15, P);
  });
}

void Isochore::Export_Action() {
  if (running_) return;
  const QScopedValueRollback<bool> running(running_, true);
  SetFileLabels(*this, "", "", "");
  // The header and every line are of one fluid at one molar volume.
  const Globals::Composition x = Globals::fraction;
  const double Vm = volume_;
  const std::optional<pvt::IsochoreRange> range = CheckedRun(*this, x, Vm);
  if (!range) return;
  const double density = Globals::Density(x, Vm);
  const QString name = pvt::IsochoreExportFileName(Vm);
  const QString folder = pvt::IsochoreExportFolder();
  const QString path = folder.isEmpty() ? QString() : folder + "/" + name;

  pvt::IsochoreExportFile file(path);
  bool written = !folder.isEmpty() && file.Open();
  for (const QString& line : pvt::IsochoreExportHeader(Vm, density))
    written = written && file.WriteLine(line);
  bool stillOpen = true;
  if (written) {
    pvt::ForEachIsochoreTemperature(*range, [&](double T) {
      const double P = Globals::Pressure(x, T, Vm);
      written = file.WriteLine(pvt::IsochoreExportDataLine(T, P));
      RuntimeBackgroundTask();
      stillOpen = IsOpen();
      return written && stillOpen;
    });
  }
  // A window closed mid-export leaves the earlier file as it was.
  if (!stillOpen) return;
  written = written && file.Commit();
  SetFileLabels(*this, written ? kAvailable : kNotWritten, name, path);
}
