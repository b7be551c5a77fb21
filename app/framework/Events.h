// Control events and the binding of a window's handler methods to them. A
// handler is a method of the window named after the control and the event,
// joined by an underscore; FW_HANDLER spells that name out:
//
//   FW_HANDLER(PressureWindow, calculate, Action)   // binds calculate_Action
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>
#include <vector>

namespace fw {

class Window;

enum class Event : std::uint8_t {
  Action,          // push button pressed; radio button turned on (by the user or by code)
  TextChange,      // edit field text changed (by the user or by code)
  ValueChanged,    // scroll bar value changed
  CellClick,       // list cell clicked: (row, column, x, y) -> handled
  CellTextChange,  // list cell edited by the user: (row, column)
};

constexpr std::string_view EventName(Event e) {
  switch (e) {
    case Event::Action: return "Action";
    case Event::TextChange: return "TextChange";
    case Event::ValueChanged: return "ValueChanged";
    case Event::CellClick: return "CellClick";
    case Event::CellTextChange: return "CellTextChange";
  }
  return {};
}

// What a control calls when its event occurs; the member used follows the event.
struct EventSink {
  std::function<void()> plain;
  std::function<void(int row, int column)> cellText;
  std::function<bool(int row, int column, int x, int y)> cellClick;
};

// One handler of a window class: the control it listens to, the event, and
// the method (bound later to the window instance).
struct HandlerBinding {
  std::string_view control;
  Event event;
  std::function<void(Window&)> plain;
  std::function<void(Window&, int, int)> cellText;
  std::function<bool(Window&, int, int, int, int)> cellClick;
};

using Handlers = std::vector<HandlerBinding>;

template <Event E, class W, class M>
HandlerBinding Bind(std::string_view control, M W::*method) {
  HandlerBinding b{control, E, {}, {}, {}};
  if constexpr (E == Event::CellClick) {
    static_assert(std::is_same_v<M, bool(int, int, int, int)>,
                  "a CellClick handler is bool(int row, int column, int x, int y)");
    b.cellClick = [method](Window& w, int row, int column, int x, int y) {
      return (static_cast<W&>(w).*method)(row, column, x, y);
    };
  } else if constexpr (E == Event::CellTextChange) {
    static_assert(std::is_same_v<M, void(int, int)>,
                  "a CellTextChange handler is void(int row, int column)");
    b.cellText = [method](Window& w, int row, int column) {
      (static_cast<W&>(w).*method)(row, column);
    };
  } else {
    static_assert(std::is_same_v<M, void()>, "this handler takes no arguments");
    b.plain = [method](Window& w) { (static_cast<W&>(w).*method)(); };
  }
  return b;
}

}  // namespace fw

#define FW_HANDLER(WindowClass, control, event) \
  ::fw::Bind<::fw::Event::event>(#control, &WindowClass::control##_##event)
