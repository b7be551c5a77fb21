// Driving the Molar Volumes, Temperatures and analysis windows as a user
// does: typing into fields, clicking buttons and radios, reading labels and
// list cells by their control names. Each test starts with no window open and
// restores the shared fluid state it changed.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <vector>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace driving {

inline constexpr Globals::Composition kWater = {1, 0, 0, 0, 0};
inline constexpr Globals::Composition kWaterCO2 = {0.9, 0.1, 0, 0, 0};
inline constexpr Globals::Composition kBrine = {0.9, 0, 0, 0.1, 0};
inline constexpr Globals::Composition kFiveComponents = {0.70, 0.15, 0.05, 0.07, 0.03};

// Replaces the field's text key by key, as typing does.
inline void Type(fw::EditField& field, const QString& text) {
  field.SetText("");
  QTest::keyClicks(field.LineEdit(), text);
}

inline void Click(fw::PushButton& button) { QTest::mouseClick(button.Button(), Qt::LeftButton); }
// On the indicator: a radio button takes clicks only on its indicator and caption.
inline void Click(fw::RadioButton& radio) {
  QTest::mouseClick(radio.Button(), Qt::LeftButton, {}, QPoint(6, radio.Height() / 2));
}

// Window activation is not delivered reliably without a screen.
inline void Activate(fw::Window& w) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(w.Frame(), &activate);
}

inline void ProcessDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Whether the label's text, wrapped as the label wraps it, fits its size.
inline bool FitsItsLabel(const fw::StaticText& label) {
  const QLabel* l = label.Label();
  const QRect room(0, 0, l->width(), l->height());
  const QRect needed = l->fontMetrics().boundingRect(room, Qt::TextWordWrap, l->text());
  return needed.width() <= room.width() && needed.height() <= room.height();
}

// The rows i where the second column changes sign between row i and i + 1.
inline std::vector<int> SignChanges(const fw::Listbox& list) {
  std::vector<int> rows;
  for (int i = 0; i + 1 < list.ListCount(); ++i) {
    const double a = list.Cell(i, 1).toDouble();
    const double b = list.Cell(i + 1, 1).toDouble();
    if ((a < 0) != (b < 0)) rows.push_back(i);
  }
  return rows;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = {Globals::fraction, Globals::TK_global, Globals::PMPa_global, Globals::Vm_global,
              Globals::Vexcess};
    Globals::fraction = kWater;
    Globals::TK_global = 0;
    Globals::PMPa_global = 0;
    Globals::Vm_global = 0;
    Globals::Vexcess = 0;
  }
  void TearDown() override {
    SetRuntimeYieldHook({});
    fw::ReleaseAllWindows();
    Globals::fraction = saved_.fraction;
    Globals::TK_global = saved_.T;
    Globals::PMPa_global = saved_.P;
    Globals::Vm_global = saved_.V;
    Globals::Vexcess = saved_.excess;
  }

 private:
  struct {
    Globals::Composition fraction;
    double T, P, V, excess;
  } saved_{};
};

}  // namespace driving
