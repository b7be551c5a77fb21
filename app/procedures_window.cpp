#include "app/procedures_window.h"

#include "app/framework/Controls.h"

namespace {

constexpr fw::BlockDecl ProcedureRadio(std::string_view name, std::int32_t top, std::string_view caption) {
  return fw::decl::RadioButton(name, 40, top, 230, 20).Caption(caption).Font("system").Size(14);
}

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Procedures", 300, 415),
      fw::StoredOrder::Table,
      StaticText("StaticText1", 20, 20, 200, 22).Text("Calculation procedure").Font("system").Size(18),
      PushButton("PushButton1", 205, 370, 75, 25).Caption("continue").Font("system").Size(12).Default(),
      ProcedureRadio("MolarVolumes", 90, "Molar Volumes"),
      ProcedureRadio("Pressures", 60, "Pressures"),
      ProcedureRadio("Temperatures", 120, "Temperatures"),
      ProcedureRadio("Fugacities", 150, "Fugacities"),
      ProcedureRadio("Activities", 180, "Activities"),
      ProcedureRadio("Homogenisation", 210, "Homogenization"),
      ProcedureRadio("LiquidVapour", 240, "Liquid-Vapour equilibria"),
      ProcedureRadio("CriticalPoint", 300, "Critical Point"),
      ProcedureRadio("Spinodal", 270, "Spinodal"),
      ProcedureRadio("QtzSolubility", 330, "Quartz Solubility"));
});

}  // namespace

fw::WindowBlocks Start3Window::Blocks() { return kBlocks; }
fw::Handlers Start3Window::Handlers() { return {FW_HANDLER(Start3Window, PushButton1, Action)}; }

FW_REGISTER_WINDOW(Start3Window);

fw::Window* CalculatorWindow(std::string_view windowClass) {
  for (const fw::WindowRegistration& registration : fw::RegisteredWindows()) {
    if (registration.className == windowClass) return &registration.open();
  }
  return nullptr;
}

// Ten independent tests: every radio that is on opens its calculator.
void Start3Window::PushButton1_Action() {
  for (const Procedure& procedure : kProcedures) {
    if (!Radio(procedure.radio).Value()) continue;
    if (fw::Window* calculator = CalculatorWindow(procedure.windowClass)) calculator->Show();
  }
}
