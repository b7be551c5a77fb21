// The names under which the per-component lists of the fugacity and activity
// windows show each component, in component order.
#pragma once

#include <array>

#include <QString>

namespace fugacity {

inline const std::array<QString, 5> kComponentNames = {"H2O", "CO2", "CH4", "NaCl", "KCl"};

}  // namespace fugacity
