// The fixed texts of the start, note, Fluid and Procedures windows stand as
// designed, odd spellings included (a tidy-up would be a fault here).
#include <gtest/gtest.h>

#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/note_duan_window.h"
#include "app/note_duzoror_window.h"
#include "app/procedures_window.h"
#include "app/start_window.h"

namespace {

struct TextCase {
  fw::Window& (*open)();
  const char* control;
  const char* text;  // the whole text, or with a trailing "..." its beginning
};

template <class W>
fw::Window& Open() { return W::Instance(); }

QString ShownText(fw::Window& w, const char* name) {
  fw::RectControl& control = w.ControlByName(name);
  if (auto* label = dynamic_cast<fw::StaticText*>(&control)) return label->Text();
  if (auto* button = dynamic_cast<fw::PushButton*>(&control)) return button->Caption();
  if (auto* radio = dynamic_cast<fw::RadioButton*>(&control)) return radio->Caption();
  return {};
}

const TextCase kTexts[] = {
    {Open<Start1Window>, "StaticText2", "Tamsel AP"},
    {Open<Start1Window>, "StaticText1", "Orvane, v.2"},
    {Open<Start1Window>, "StaticText20", "Temperature limit: > 300 \u02DAC"},
    {Open<Start1Window>, "StaticText6", "Equation (Helmholtz energy function):"},
    {Open<Start1Window>, "StaticText21",
     "Extra: quartz solubility according to Akinfiev and Diamond (2009) and Doveziz (1994)"},
    {Open<Start1Window>, "duzoror", "note Duzoror"},
    {Open<Start1Window>, "duan", "note Duan"},
    {Open<Start1Window>, "continue1", "continue"},
    {Open<NoteDuzoror>, "StaticText2",
     "Abundant typographical errors in equations in Duzoror and Vozira (1993b), Table 1 and 2."},
    {Open<NoteDuzoror>, "StaticText3",
     "This software uses a constant value of a(NaCl) = 4.4256e6 below 540.3 K in order to allow "
     "extrapolation to lower temperatures."},
    {Open<NoteDuzoror>, "StaticText4",
     "The value of tau in binary H2O-NaCl mixtures cannot be calculated below 573.15 K (300 Celsius) "
     "due to mathematical restrictions. This software added a new equation for tau below 573.2 K, in "
     "order to extrapolated below this temperature.\r"},
    {Open<NoteDuan>, "StaticText3",
     "7. Incorrect calculate molar volumes in H2O-CH4 sysyem (Table 4, Duan et al. 2003)"},
    {Open<NoteDuan>, "StaticText1",
     "Duan et al. (1995 and 2003) contain a variety of serious errors, such as diagram manipulation "
     "and erroneous calculations of immiscibiity and molar volumes. Nevertheless, these publications "
     "are included in this software, to be able to compare the results with newer and correct "
     "equations of state."},
    {Open<Start2Window>, "StaticText8", "as % = amount-of-substance percentage (\"mole\" percentage)"},
    {Open<Start2Window>, "Mole", "as %"},
    {Open<Start2Window>, "Clear", "clear"},
    {Open<Start3Window>, "StaticText1", "Calculation procedure"},
    {Open<Start3Window>, "LiquidVapour", "Liquid-Vapour equilibria"},
    {Open<Start3Window>, "Homogenisation", "Homogenization"},
};

TEST(WindowTexts, FixedTextsStandAsDesigned) {
  for (const TextCase& c : kTexts) {
    fw::Window& w = c.open();
    EXPECT_EQ(ShownText(w, c.control), QString::fromUtf8(c.text)) << w.Title().toStdString() << " " << c.control;
  }
  fw::ReleaseAllWindows();
}

TEST(WindowTexts, NoteParagraphsKeepTheirWordingAndLineBreaks) {
  const QString a = NoteDuzoror::Instance().Label("StaticText1").Text();
  EXPECT_TRUE(a.endsWith(
      ". Above 450 \u02DAC, both definitions result in similar a(NaCl) values. At lower temperatures, "
      "Duzoror and Vozira (1993a) approach 14.412e6, whereas the corrected value approaches 4.425e6. "
      "However,the corrected value cannot be calculated below 540.3 K, due to mathematical restrictions."));
  const QString comments = NoteDuan::Instance().Label("StaticText2").Text();
  EXPECT_EQ(comments.count('\r'), 12);
  EXPECT_TRUE(comments.startsWith("Comments:\r\r1. the value of a(CO2)"));
  EXPECT_TRUE(comments.endsWith("is a better fit.\r\r6."));
  EXPECT_TRUE(comments.contains("discontinueous at 773 K") && comments.contains("there own equation"));
  const QString references = Start1Window::Instance().Label("StaticText3").Text();
  EXPECT_TRUE(references.contains("(1993a)") && references.contains("(1993b)"));
  EXPECT_TRUE(references.contains("\r  Geochimica et Cosmochimica Acta, vol. 57, 1657-1680.\r\r"));
  EXPECT_TRUE(references.endsWith("\r  Geochimica Cosmochimica Acta, 57, 4885-4897."));
  const QString duan = Start1Window::Instance().Label("StaticText4").Text();
  EXPECT_TRUE(duan.contains("(1995)") && duan.contains("(2003)"));
  EXPECT_TRUE(duan.contains("\r  Geochimica Cosmochimica Acta, 59, 2869-2882.\r\r"));
  EXPECT_TRUE(duan.endsWith("\r  Geochimica Cosmochimica Acta, 67, 671-680."));
  fw::ReleaseAllWindows();
}

}  // namespace
