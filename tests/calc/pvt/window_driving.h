// Driving the PVT windows as a user does: typing into fields, clicking
// buttons and radios, reading labels and list cells by their control names.
// Each test starts with no window open and pure water as the fluid, and
// restores the shared fluid state it changed.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <tuple>

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

// Whether the second column changes sign between rows whose first column
// brackets `value`.
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
  DocumentsFolder() : hadConfigHome_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
                      oldConfigHome_(qgetenv("XDG_CONFIG_HOME")) { PointAt(Path()); }
  ~DocumentsFolder() {
    if (hadConfigHome_) qputenv("XDG_CONFIG_HOME", oldConfigHome_);
    else qunsetenv("XDG_CONFIG_HOME");
  }
  QString Path() const { return root_.path() + "/Documents"; }
  QStringList Files() const { return QDir(Path()).entryList(QDir::Files | QDir::Hidden); }
  QByteArray Read(const QString& name) const {
    QFile f(Path() + "/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // A plain file where the folder would have to be made.
  void MakeUnusable() {
    QFile blocker(root_.path() + "/blocker");
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    PointAt(blocker.fileName() + "/Documents");
  }

 private:
  void PointAt(const QString& documents) {
    const QString config = root_.path() + "/config";
    QDir().mkpath(config);
    QFile dirs(config + "/user-dirs.dirs");
    EXPECT_TRUE(dirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
    dirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
  }
  bool hadConfigHome_;
  QByteArray oldConfigHome_;
  QTemporaryDir root_;
};

// Saves and restores the shared fluid state, closes every window.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = {Globals::fraction, Globals::TK_global, Globals::PMPa_global, Globals::Vm_global,
              Globals::Vexcess};
    Globals::fraction = kWater;
    Globals::TK_global = Globals::PMPa_global = Globals::Vm_global = Globals::Vexcess = 0;
  }
  void TearDown() override {
    SetRuntimeYieldHook({});
    fw::ReleaseAllWindows();
    std::tie(Globals::fraction, Globals::TK_global, Globals::PMPa_global, Globals::Vm_global,
             Globals::Vexcess) = saved_;
  }

 private:
  std::tuple<Globals::Composition, double, double, double, double> saved_;
};

// The window W, opened for the test, with its controls at hand.
template <class W>
class Driving : public WindowTest {
 protected:
  void Put(const char* field, const QString& text) { Type(w.Field(field), text); }
  void Press(const char* button) { Click(w.Button(button)); }
  void Choose(const char* radio) { Click(w.Radio(radio)); }
  bool On(const char* radio) const { return w.Radio(radio).Value(); }
  QString Shown(const char* label) const { return w.Label(label).Text(); }

  W& w = W::Instance();
};

}  // namespace driving
