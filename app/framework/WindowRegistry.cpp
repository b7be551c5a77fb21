#include "app/framework/WindowRegistry.h"

namespace fw {

namespace {

std::vector<WindowRegistration>& Registry() {
  static std::vector<WindowRegistration> registry;
  return registry;
}

}  // namespace

const std::vector<WindowRegistration>& RegisteredWindows() { return Registry(); }

bool RegisterWindow(const WindowRegistration& registration) {
  Registry().push_back(registration);
  return true;
}

Window* GetImplicitWindow(std::string_view className) {
  // The class name alone, or written twice ("W.W").
  const std::size_t dot = className.find('.');
  const std::string_view bare = dot == std::string_view::npos ? className : className.substr(0, dot);
  for (const WindowRegistration& r : Registry())
    if (r.className == bare) return r.openInstance();
  return nullptr;
}

}  // namespace fw
