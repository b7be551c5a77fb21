// The names under which the windows show each component, in component order.
#pragma once

#include <array>

#include <QString>

namespace pvt {

inline const std::array<QString, 5> kComponentNames = {"H2O", "CO2", "CH4", "NaCl", "KCl"};

}  // namespace pvt
