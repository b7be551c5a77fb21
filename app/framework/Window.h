// The window layer: every window of the program is a class derived from
// fw::WindowClass<Self>, built from its property blocks, with one instance at a
// time reached through its accessor.
//
// How to write a window
// ---------------------
// Header (greeter_window.h):
//
//   #include "app/framework/Window.h"
//
//   class GreeterWindow : public fw::WindowClass<GreeterWindow> {
//    public:
//     static fw::WindowBlocks Blocks();      // the encoded property blocks
//     static fw::Handlers Handlers();        // control_Event handlers, connected by name
//     static fw::ExponentLabels Exponents(); // optional: {{"Unit", "Unit3"}}, the raised
//                                            // "3" label Unit3 of Unit's "cm /mol"
//     void age_TextChange();
//     void greet_Action();
//     void Event_Activate() override;        // optional; so is Event_Resizing
//   };
//
// Source (greeter_window.cpp):
//
//   #include "greeter_window.h"
//   #include "app/framework/Controls.h"
//   #include "app/framework/ValStr.h"
//
//   using fw::Str;
//   using fw::Val;
//
//   namespace {
//   // Controls in creation order, parents before their children; places in
//   // window coordinates (also inside a group box); text sizes in pixels.
//   constexpr auto kBlocks = fw::EncodeWindow([] {
//     using namespace fw::decl;
//     return fw::Declare(
//         Window("Greeter", 300, 120).Placement(2),
//         fw::StoredOrder::Table,             // or Reversed: both read the same
//         StaticText("Prompt", 20, 20, 80, 25).Text("Age").Size(16),
//         EditField("age", 100, 20, 120, 25).Size(16),
//         PushButton("greet", 20, 70, 100, 30).Caption("greet").Size(14).Default(),
//         StaticText("Result", 130, 75, 160, 20).Size(12).Color(0xff0000));
//   });
//   }  // namespace
//
//   fw::WindowBlocks GreeterWindow::Blocks() { return kBlocks; }
//   fw::Handlers GreeterWindow::Handlers() {
//     return {FW_HANDLER(GreeterWindow, age, TextChange),
//             FW_HANDLER(GreeterWindow, greet, Action)};
//   }
//   FW_REGISTER_WINDOW(GreeterWindow);      // walked by the tests of every block
//
//   void GreeterWindow::age_TextChange() { Label("Result").SetText(""); }
//   void GreeterWindow::greet_Action() {
//     const double age = Val(Field("age").Text());
//     if (!(age > 0)) return Label("Result").SetText("put a number");
//     Label("Result").SetText("in a year: " + Str(age + 1));
//   }
//   void GreeterWindow::Event_Activate() { Field("age").SetText(""); }
//
// kBlocks must live at namespace scope (or be static): Blocks() hands out a
// view of its bytes. Write `using namespace fw::decl;` only inside the
// lambda, and no `using namespace fw;` at file scope: the declaration
// functions share their names with the control classes (fw::decl::Line
// declares a fw::Line).
//
// Reaching controls: Label (StaticText), Field (EditField), Button
// (PushButton), Radio (RadioButton), List (Listbox), Scroll (ScrollBar),
// ControlByName / ControlByNameIndex (any control, as RectControl), and
// Named<Class>(name[, index]). A name that is not there throws
// NilObjectException, which nothing catches.
//
// Opening it (e.g. from another window's handler):
//   GreeterWindow::Instance().Show();
// Instance() gives the open window with its fields as they were, or builds a
// new one from the blocks (a window the user closed is built afresh). It does
// not show the window; a window whose block has Visible 1 shows itself once
// built, one with Hidden() waits for Show().
//
// Events: Action (push button pressed; radio button turned on, by the user or
// by code, not re-clicked), TextChange (every change of a field's text, also
// by code), ValueChanged (scroll bar), CellClick (bool(int row, int column,
// int x, int y)) and CellTextChange (void(int row, int column), user edits
// only). Return or Enter presses the window's Default() button.
//
// Start-up and shut-down (the program's main):
//   QApplication app(argc, argv);
//   fw::SetFrameDecorator(...);      // e.g. the menu bar of every window
//   fw::InstallRuntimeYield();        // app/framework/YieldHook.h
//   Start1Window::Instance();         // shows itself (Visible 1)
//   const int status = app.exec();    // fw::Quit() ends it after running handlers
//   fw::ReleasePictures();            // app/framework/Pictures.h
//   fw::ReleaseAllWindows();
//
// Other services: ValStr.h (Val, Str, ParseNumber), TextFiles.h (export files
// in Windows-1252), Pictures.h (pictures by resource id, KeptPicture getters),
// YieldHook.h (RuntimeBackgroundTask on the Qt event loop).
//
// Long handlers call RuntimeBackgroundTask() once per pass (the library's
// loops already do); the same handler is not started again meanwhile. After
// a yield, IsOpen() tells whether the user closed the window (or quit), so a
// long loop can stop early: a closed window is hidden at once and destroyed
// only after its handlers have returned. A handler that takes an edit of the
// window's inputs calls NoteInputEdit(); a calculation that yields and then
// writes results asks a RunInputs (RunInputs.h) whether its inputs are
// still shown before it writes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <typeindex>
#include <vector>

#include <QObject>
#include <QString>

#include "app/framework/BlockDeclaration.h"
#include "app/framework/Events.h"
#include "app/framework/ExponentLabel.h"
#include "app/framework/RectControl.h"

class QMainWindow;
class QWidget;

namespace fw {

class EditField;
class Listbox;
class PushButton;
class RadioButton;
class ScrollBar;
class StaticText;
class WindowFrame;

class Window : public QObject {
 public:
  ~Window() override;

  // Shows the window in front, as it is.
  void Show();
  // Closes the window as the user would.
  void Close();
  // False once the window was closed (or the program is quitting); the object
  // itself lives on until its running handlers return.
  bool IsOpen() const;

  // Edits of the window's inputs (typed text, a radio that changes how they
  // are read), counted by the handlers that take them.
  void NoteInputEdit() { ++inputEdits_; }
  long InputEditCount() const { return inputEdits_; }

  QString Title() const;
  // Size of the window's content (without a menu bar).
  int Width() const;
  int Height() const;

  // Controls, by the names of their blocks. A name that is not there raises
  // NilObjectException.
  RectControl& ControlByName(std::string_view name) const;
  RectControl& ControlByNameIndex(std::string_view name, std::int32_t index) const;
  RectControl* FindControl(std::string_view name, std::int32_t index = kNoIndex) const;
  template <class C>
  C& Named(std::string_view name) const { return As<C>(ControlByName(name)); }
  template <class C>
  C& Named(std::string_view name, std::int32_t index) const {
    return As<C>(ControlByNameIndex(name, index));
  }
  StaticText& Label(std::string_view name) const;
  EditField& Field(std::string_view name) const;
  PushButton& Button(std::string_view name) const;
  RadioButton& Radio(std::string_view name) const;
  Listbox& List(std::string_view name) const;
  ScrollBar& Scroll(std::string_view name) const;
  // Every control, in creation order.
  const std::vector<std::unique_ptr<RectControl>>& Controls() const { return controls_; }

  // Inside a handler: the control whose event is handled.
  RectControl& Me() const;

  // Window events; the default does nothing.
  virtual void Event_Activate() {}
  virtual void Event_Resizing() {}

  // The Qt window (a QMainWindow) and the widget holding the controls.
  QMainWindow* Frame() const;
  QWidget* Content() const;

  // --- used by the framework -------------------------------------------
  // Builds the window from its blocks and handlers (Layout, CreateControls,
  // the exponent labels, then shows it when its block says Visible).
  void Build(WindowBlocks blocks, const Handlers& handlers, const ExponentLabels& exponents = {});
  void HandleUserClose();
  void HandleActivate();
  void HandleResize();
  bool PressDefaultButton();

 protected:
  explicit Window(std::type_index classKey);

  void Layout(const WindowBlocks& blocks);
  void CreateControls(const WindowBlocks& blocks, const Handlers& handlers);

 private:
  template <class C>
  C& As(RectControl& control) const {
    if (auto* c = dynamic_cast<C*>(&control)) return *c;
    ThrowWrongClass(control);
  }
  [[noreturn]] void ThrowWrongClass(const RectControl& control) const;
  // Runs a handler: not again while it runs, and with the window kept alive.
  template <class F>
  auto Dispatch(RectControl* me, bool& running, F&& call) -> decltype(call());
  void AfterHandler();

  std::type_index classKey_;
  WindowFrame* frame_ = nullptr;
  QWidget* content_ = nullptr;
  std::vector<std::unique_ptr<RectControl>> controls_;
  PushButton* defaultButton_ = nullptr;
  std::vector<std::unique_ptr<bool>> handlerRunning_;
  std::vector<RectControl*> me_;
  bool built_ = false;
  bool closed_ = false;
  bool tearingDown_ = false;
  bool activateRunning_ = false;
  bool resizeRunning_ = false;
  int handlerDepth_ = 0;
  long inputEdits_ = 0;
};

// --- one instance per class --------------------------------------------

// The open instance of a class, or nullptr.
Window* OpenInstance(std::type_index classKey);
void SetOpenInstance(std::type_index classKey, Window* window);

template <class Self>
class WindowClass : public Window {
 public:
  // The open window of this class, or a new one built from its blocks.
  static Self& Instance() {
    if (Self* open = OpenInstanceOf()) return *open;
    auto* window = new Self();
    SetOpenInstance(typeid(Self), window);
    window->Build(Self::Blocks(), Self::Handlers(), ExponentsOf());
    return *window;
  }
  // The open window of this class, or nullptr.
  static Self* OpenInstanceOf() { return static_cast<Self*>(OpenInstance(typeid(Self))); }

 protected:
  WindowClass() : Window(typeid(Self)) {}

 private:
  static ExponentLabels ExponentsOf() {
    if constexpr (requires { Self::Exponents(); }) return Self::Exponents();
    else return {};
  }
};

// --- program-wide --------------------------------------------------------

// Asks the event loop to end; while a handler runs, it ends once the handler
// has returned.
void Quit();
bool QuitRequested();
// Destroys every window (at shut-down, and between tests).
void ReleaseAllWindows();
// Number of window objects alive (open or waiting for their handlers).
int LiveWindowCount();
// A hook run on every new Qt window before it is shown (the menu bar).
void SetFrameDecorator(std::function<void(QMainWindow&)> decorate);

}  // namespace fw

// Registration of window classes (FW_REGISTER_WINDOW).
#include "app/framework/WindowRegistry.h"
