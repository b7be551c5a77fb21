// Results the equation of state overflows to (an infinity, or NaN where
// overflowed terms meet) are never shown as "inf" or "nan": each window says
// "too large to show" where the number would stand.
#include <QRegularExpression>
#include <QTableWidget>

#include "calc/fugacity/FugacityWindow.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

// A user's action: typing the text into the field, or without a text
// pressing the button or radio.
struct Step {
  const char* control;
  const char* text = nullptr;
};

fw::Window& Perform(fw::Window& w, std::initializer_list<Step> steps) {
  Activate(w);
  for (const Step& s : steps) {
    if (s.text)
      Type(w.Field(s.control), s.text);
    else if (w.ControlByName(s.control).Class() == fw::BlockClass::RadioButton)
      Click(w.Radio(s.control));
    else
      Click(w.Button(s.control));
  }
  return w;
}

// Every text of the window: labels, fields and list cells.
QString ShownTexts(const fw::Window& w) {
  QStringList texts;
  for (const QLabel* l : w.Frame()->findChildren<QLabel*>()) texts << l->text();
  for (const QLineEdit* e : w.Frame()->findChildren<QLineEdit*>()) texts << e->text();
  for (const QTableWidget* t : w.Frame()->findChildren<QTableWidget*>())
    for (int row = 0; row < t->rowCount(); ++row)
      for (int column = 0; column < t->columnCount(); ++column)
        texts << t->item(row, column)->text();
  return texts.join('|');
}

// Water below about 5e-7 K overflows the equation of state; so does the NaCl
// fugacity coefficient of a brine at 300 K.
TEST_F(WindowTest, OverflowedResultsAreSaidTooLargeNeverShownAsNumbers) {
  const struct {
    Globals::Composition x;
    fw::Window& (*run)();
    QString says;
  } cases[] = {
      {kWater, [] () -> fw::Window& {
         return Perform(PressureWindow::Instance(),
                        {{"dataEntry", "40"}, {"dataEntry1", "1e-50"}, {"calculate"}});
       }, "Warning: pressure too large to show"},
      {kWater, [] () -> fw::Window& {
         return Perform(FugacityWindow::Instance(), {{"RadioButtonTV"}, {"dataEntryT", "1e-50"},
                                                     {"dataEntryPV", "40"}, {"Calculation1"}});
       }, "warning: pressure too large to show"},
      {kBrine, [] () -> fw::Window& {
         return Perform(FugacityWindow::Instance(), {{"RadioButtonTP"}, {"dataEntryT", "300"},
                                                     {"dataEntryPV", "10"}, {"Calculation1"},
                                                     {"calculateFinal"}});
       }, "NaCl|too large to show|too large to show"},
      {kWater, [] () -> fw::Window& {
         Perform(VolumeWindow::Instance(), {{"dataEntryT", "1e-50"}});
         return Perform(MathAnal::Instance(), {{"calculate"}});
       }, "|too large to show|"},
      {kWater, [] () -> fw::Window& {
         Globals::Vm_global = 40;
         return Perform(Isochore::Instance(), {{"minimum", "-273.1499999"}, {"maximum", "0"},
                                               {"interval", "100"}, {"calculate"}, {"Export"}});
       }, "-273.15|too large to show|"},
  };
  const QRegularExpression nonNumber("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
  DocumentsFolder documents;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says.toStdString());
    Globals::fraction = c.x;
    const QString shown = ShownTexts(c.run());
    EXPECT_TRUE(shown.contains(c.says)) << shown.toStdString();
    EXPECT_FALSE(nonNumber.match(shown).hasMatch()) << shown.toStdString();
    fw::ReleaseAllWindows();
  }
  EXPECT_TRUE(documents.Read("40.txt").contains("\n-273.15, too large to show"));
}

}  // namespace
