// Driving the PVT windows as a user does: typing into fields, clicking
// buttons and radios, reading labels and list cells by their control names.
// Each test starts with no window open and pure water as the fluid, and
// restores the shared fluid state it changed.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "app/framework/Window.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace driving {

using fw::Str;
using fw::Val;

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

// Full precision, so that the typed number is the double meant.
inline QString Exact(double v) { return QString::number(v, 'g', 17); }

// Runs action(n) at the n-th yield to the event loop of a running handler.
inline void OnYield(std::function<void(int)> action) {
  auto count = std::make_shared<int>(0);
  SetRuntimeYieldHook([count, action] { action(++*count); });
}

// Whether the label's text, wrapped as the label wraps it, fits its size.
inline bool FitsItsLabel(const fw::StaticText& label) {
  const QLabel* l = label.Label();
  const QRect room(0, 0, l->width(), l->height());
  const QRect needed = l->fontMetrics().boundingRect(room, Qt::TextWordWrap, l->text());
  return needed.width() <= room.width() && needed.height() <= room.height();
}

inline QStringList Column(const fw::Listbox& list, int column) {
  QStringList cells;
  for (int row = 0; row < list.ListCount(); ++row) cells << list.Cell(row, column);
  return cells;
}

// Whether a change of sign in the second column lies between rows whose
// first column brackets `value`.
inline bool SignChangeBrackets(const fw::Listbox& list, double value) {
  for (int i = 0; i + 1 < list.ListCount(); ++i) {
    const bool change = (list.Cell(i, 1).toDouble() < 0) != (list.Cell(i + 1, 1).toDouble() < 0);
    if (change && Val(list.Cell(i, 0)) <= value && value <= Val(list.Cell(i + 1, 0))) return true;
  }
  return false;
}

// Points the user's documents folder at a folder of the test's own, through
// the XDG user-dirs file that Qt reads on every request.
class DocumentsFolder {
 public:
  DocumentsFolder();
  ~DocumentsFolder();
  QString Path() const { return root_.path() + "/Documents"; }
  // Makes the documents folder impossible to create.
  void MakeUnusable();

 private:
  void PointAt(const QString& documents);
  QTemporaryDir root_;
  QByteArray oldConfigHome_;
  bool hadConfigHome_ = false;
};

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
