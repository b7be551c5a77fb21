// Every window class of the program, registered by FW_REGISTER_WINDOW beside
// its definition, so that tests can walk all blocks and build every window,
// and a window can be found by its class name.
#pragma once

#include <string_view>
#include <vector>

#include "app/framework/BlockDeclaration.h"
#include "app/framework/Events.h"

namespace fw {

class Window;

// A window class: its name, its blocks and handlers, its accessor.
struct WindowRegistration {
  std::string_view className;
  WindowBlocks (*blocks)();
  Handlers (*handlers)();
  Window& (*open)();
  Window* (*openInstance)();
};
const std::vector<WindowRegistration>& RegisteredWindows();
bool RegisterWindow(const WindowRegistration& registration);

// The open window of a registered class, by class name ("W" or "W.W"), or
// nullptr.
Window* GetImplicitWindow(std::string_view className);

}  // namespace fw

#define FW_REGISTER_WINDOW(W)                                                       \
  [[maybe_unused]] static const bool fwRegistered_##W = ::fw::RegisterWindow(       \
      {#W, &W::Blocks, &W::Handlers, []() -> ::fw::Window& { return W::Instance(); },  \
       []() -> ::fw::Window* { return W::OpenInstanceOf(); }})
