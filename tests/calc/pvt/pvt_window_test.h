// Driving the PVT windows as a user does: typing into fields, clicking
// buttons and radios, reading labels and list cells by their control names.
// Every test starts from a closed window, pure water as the fluid and no
// molar volume handed on yet.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace pvt_test {

inline constexpr Globals::Composition kPureWater = {1, 0, 0, 0, 0};

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

inline QStringList Column(fw::Listbox& list, int column) {
  QStringList cells;
  for (int row = 0; row < list.ListCount(); ++row) cells << list.Cell(row, column);
  return cells;
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

class PvtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFraction_ = Globals::fraction;
    savedVm_ = Globals::Vm_global;
    Globals::fraction = kPureWater;
    Globals::Vm_global = 0;
  }
  void TearDown() override {
    SetRuntimeYieldHook({});
    fw::ReleaseAllWindows();
    Globals::fraction = savedFraction_;
    Globals::Vm_global = savedVm_;
  }

 private:
  Globals::Composition savedFraction_{};
  double savedVm_ = 0;
};

}  // namespace pvt_test
