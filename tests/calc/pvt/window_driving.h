// Driving the PVT windows as a user does: typing into fields, clicking
// buttons and radios, reading labels and list cells by their control names.
// Each test starts with no window open and pure water as the fluid, and
// restores the shared fluid state it changed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "app/framework/BlockStyle.h"
#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "app/framework/Window.h"
#include "app/framework/WindowRegistry.h"
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
// Full precision: the very double, typed or compared.
inline QString Exact(double v) { return QString::number(v, 'g', 17); }

// Runs action(n) at the n-th yield to the event loop of a running handler.
inline void OnYield(std::function<void(int)> action) {
  auto count = std::make_shared<int>(0);
  SetRuntimeYieldHook([count, action] { action(++*count); });
}

// Clicks a cell of the row where the user would, types over the cell that
// opens and confirms with Return.
inline void EditRow(fw::Listbox& list, int row, int clickedColumn, const QString& text) {
  QTableWidget* table = list.Table();
  // The click makes the list's window the active one, which keeps the
  // editor's focus.
  QApplication::setActiveWindow(table->window());
  QCoreApplication::processEvents();
  const QRect cell = table->visualRect(table->model()->index(row, clickedColumn));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QCoreApplication::processEvents();  // the editor opens after the click
  // Closed editors are only hidden until their deferred deletion.
  QLineEdit* editor = nullptr;
  for (auto* open : table->viewport()->findChildren<QLineEdit*>())
    if (!open->isHidden()) editor = open;
  ASSERT_NE(editor, nullptr);
  editor->clear();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

inline QStringList Column(const fw::Listbox& list, int column) {
  QStringList cells;
  for (int row = 0; row < list.ListCount(); ++row) cells << list.Cell(row, column);
  return cells;
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

// A user's session, one step a string, played on the windows as the user
// goes (see Play):
//   ">W"            opens the window of class W, shown and activated; the
//                   steps after it act on that window; "<W" the same for a
//                   window that must be open already
//   "name=text"     types the text into the field; "name[r]=text" into the
//                   value cell of the list's row r, opened by a click on the row
//   "name"          clicks the button or radio
//   "name?text"     expects the text of the label or field, the caption of
//                   the button, "on" or "off" for a radio, and for a list its
//                   rows joined by ";" with their cells joined by "|";
//                   "name[r]?", "name^?" and "name#?" a list's row r, its
//                   headings and its row count
//   "@T", "@P", "@V", "@Vex"   the shared temperature, pressure, molar volume
//                   and excess volume: "=v" sets, "?v" expects (as Str shows
//                   it, or to every digit)
//   "@x=a,b,c,d,e"  accepts the mole fractions as the fluid
//   "@activate"     activates the window again
//   "@finite"       expects no "nan" or "inf" in any text of the window
//   "@yieldN:step"  takes the step at the N-th yield of the run that the
//                   next plain step starts, on the window the session is at
//                   then (or the one a ">W" among them opens)
struct Session {
  const char* shows;  // what the session shows, for the failure message
  std::vector<const char*> steps;
};

inline double& SharedScalar(const QString& name) {
  if (name == "@T") return Globals::TK_global;
  if (name == "@P") return Globals::PMPa_global;
  if (name == "@V") return Globals::Vm_global;
  EXPECT_EQ(name, "@Vex");
  return Globals::Vexcess;
}

// Row -1 is the heading.
inline QString RowOf(const fw::Listbox& list, int row) {
  if (row >= list.ListCount()) return "(no row " + QString::number(row) + ")";
  QStringList cells;
  for (int c = 0; c < list.ColumnCount(); ++c)
    cells << (row < 0 ? list.Heading(c) : list.Cell(row, c));
  return cells.join('|');
}

// A label's text, when drawn as it was set (with line feeds for returns).
inline QString Drawn(const fw::StaticText& label) {
  const QString drawn = label.Label()->text();
  return drawn == fw::WithLineFeeds(label.Text()) ? label.Text() : "(drawn: " + drawn + ")";
}

inline QString ShownBy(const fw::Window& w, const QString& name) {
  const qsizetype bracket = name.indexOf('[');
  const QChar last = name.back();
  if (last == '#' || last == '^' || bracket > 0) {
    const QString listName = name.left(bracket > 0 ? bracket : name.size() - 1);
    const fw::Listbox& list = w.List(listName.toStdString());
    if (last == '#') return QString::number(list.ListCount());
    return RowOf(list, last == '^' ? -1 : name.mid(bracket + 1).chopped(1).toInt());
  }
  const std::string n = name.toStdString();
  switch (w.ControlByName(n).Class()) {
    case fw::BlockClass::EditField: return w.Field(n).Text();
    case fw::BlockClass::PushButton: return w.Button(n).Caption();
    case fw::BlockClass::RadioButton: return w.Radio(n).Value() ? "on" : "off";
    case fw::BlockClass::Listbox: {
      QStringList rows;
      for (int row = 0; row < w.List(n).ListCount(); ++row) rows << RowOf(w.List(n), row);
      return rows.join(';');
    }
    default: return Drawn(w.Label(n));
  }
}

// Every text of the window: labels, fields and list cells.
inline QString AllTextsOf(const fw::Window& w) {
  QStringList texts;
  for (const auto& control : w.Controls()) {
    const fw::BlockClass c = control->Class();
    if (c == fw::BlockClass::StaticText || c == fw::BlockClass::EditField ||
        c == fw::BlockClass::Listbox)
      texts << ShownBy(w, control->Name());
  }
  return texts.join('|');
}

inline void Step(fw::Window*& w, const QString& step) {
  const qsizetype expect = step.indexOf('?'), set = step.indexOf('=');
  const bool checks = expect >= 0 && (set < 0 || expect < set);
  const QString name = step.left(checks ? expect : set), value = step.mid(name.size() + 1);
  if (step.startsWith('>') || step.startsWith('<')) {
    const auto& all = fw::RegisteredWindows();
    const auto r = std::find_if(all.begin(), all.end(), [&](const auto& r) {
      return QLatin1String(r.className.data(), r.className.size()) == step.mid(1);
    });
    ASSERT_NE(r, all.end());
    if (step[0] == '<') {
      ASSERT_NE(r->openInstance(), nullptr);
    }
    w = &r->open();
    w->Show();
    Activate(*w);
  } else if (step == "@activate") {
    Activate(*w);
  } else if (step == "@finite") {
    const QString texts = AllTextsOf(*w);
    const QRegularExpression nonNumber("\\b(nan|inf)\\b");
    EXPECT_FALSE(texts.toLower().contains(nonNumber)) << texts.toStdString();
  } else if (name == "@x") {
    for (int i = 0; i < 5; ++i) Globals::fraction[i] = Val(value.section(',', i, i));
  } else if (name.startsWith('@')) {
    double& shared = SharedScalar(name);
    if (!checks) return void(shared = Val(value));
    EXPECT_TRUE(value == Str(shared) || value == Exact(shared)) << Exact(shared).toStdString();
  } else if (checks) {
    EXPECT_EQ(ShownBy(*w, name).toStdString(), value.toStdString());
  } else if (set >= 0 && name.endsWith(']')) {
    const qsizetype bracket = name.indexOf('[');
    fw::Listbox& list = w->List(name.left(bracket).toStdString());
    EditRow(list, name.mid(bracket + 1).chopped(1).toInt(), 0, value);
  } else if (set >= 0) {
    Type(w->Field(name.toStdString()), value);
  } else if (w->ControlByName(step.toStdString()).Class() == fw::BlockClass::RadioButton) {
    Click(w->Radio(step.toStdString()));
  } else {
    Click(w->Button(step.toStdString()));
  }
}

// Each session from no window open, water as the fluid, the shared scalars 0.
inline void Play(std::initializer_list<Session> sessions) {
  for (const Session& s : sessions) {
    SCOPED_TRACE(s.shows);
    fw::ReleaseAllWindows();
    Globals::fraction = kWater;
    Globals::TK_global = Globals::PMPa_global = Globals::Vm_global = Globals::Vexcess = 0;
    fw::Window* w = nullptr;
    std::vector<std::pair<int, QString>> atYield;
    for (const char* step : s.steps) {
      SCOPED_TRACE(step);
      const QString text = QString::fromUtf8(step);
      if (text.startsWith("@yield")) {
        const qsizetype colon = text.indexOf(':');
        atYield.emplace_back(text.mid(6, colon - 6).toInt(), text.mid(colon + 1));
        continue;
      }
      if (atYield.empty()) {
        Step(w, text);
      } else {
        fw::Window* during = w;
        OnYield([&during, pending = std::exchange(atYield, {})](int n) {
          for (const auto& [at, later] : pending) {
            if (at != n) continue;
            SCOPED_TRACE("at yield " + std::to_string(n) + ": " + later.toStdString());
            Step(during, later);
          }
        });
        Step(w, text);
        SetRuntimeYieldHook({});
      }
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// The window W, opened for the test, with its controls at hand.
template <class W>
class Driving : public WindowTest {
 protected:
  void Put(const char* field, const QString& text) { Type(w.Field(field), text); }
  void Press(const char* button) { Click(w.Button(button)); }
  void Choose(const char* radio) { Click(w.Radio(radio)); }
  bool On(const char* radio) const { return w.Radio(radio).Value(); }
  QString Shown(const char* label) const { return Drawn(w.Label(label)); }

  W& w = W::Instance();
};

}  // namespace driving
