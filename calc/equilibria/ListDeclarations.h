// The blocks of the lists both phase-equilibrium windows show: per-component
// lists (name and value, vertical grid lines) and one-value lists.
#pragma once

#include <string_view>

#include "app/framework/BlockDeclaration.h"

namespace equilibria {

constexpr fw::BlockDecl PhaseList(std::string_view name, int left, int top, int width, int height,
                                  std::string_view parent) {
  return fw::decl::Listbox(name, left, top, width, height)
      .Columns(2, "40% 60%")
      .SetNumber("GridLinesVertical", 1)
      .Italic()
      .Size(14)
      .Parent(parent);
}

constexpr fw::BlockDecl ValueList(std::string_view name, int left, int top, int width, int height,
                                  std::string_view parent) {
  return fw::decl::Listbox(name, left, top, width, height)
      .Size(16)
      .SetFlag("ScrollBarVertical", false)
      .Parent(parent);
}

}  // namespace equilibria
