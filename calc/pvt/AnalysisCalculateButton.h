// The "calculate" button that both "Mathematical Analysis" windows share: one
// property block, applied by each window to its own button.
#pragma once

#include "app/framework/BlockDeclaration.h"

namespace pvt {

inline constexpr fw::BlockDecl kAnalysisCalculateButton =
    fw::decl::PushButton("calculate", 80, 60, 100, 30).Caption("calculate").Size(16).Default();

}  // namespace pvt
