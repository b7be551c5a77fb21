// Makes the control object of a class of block, before its block is applied.
#pragma once

#include <memory>

#include "app/framework/RectControl.h"

namespace fw {

std::unique_ptr<RectControl> MakeControl(BlockClass cls);

}  // namespace fw
