#include "app/framework/ControlFactory.h"

#include "app/framework/Controls.h"

namespace fw {

std::unique_ptr<RectControl> MakeControl(BlockClass cls) {
  switch (cls) {
    case BlockClass::StaticText: return std::make_unique<StaticText>();
    case BlockClass::EditField: return std::make_unique<EditField>();
    case BlockClass::PushButton: return std::make_unique<PushButton>();
    case BlockClass::RadioButton: return std::make_unique<RadioButton>();
    case BlockClass::GroupBox: return std::make_unique<GroupBox>();
    case BlockClass::Listbox: return std::make_unique<Listbox>();
    case BlockClass::ScrollBar: return std::make_unique<ScrollBar>();
    case BlockClass::Canvas: return std::make_unique<Canvas>();
    case BlockClass::ImageWell: return std::make_unique<ImageWell>();
    case BlockClass::Rectangle: return std::make_unique<Rectangle>();
    case BlockClass::RoundRectangle: return std::make_unique<RoundRectangle>();
    case BlockClass::Line: return std::make_unique<Line>();
    case BlockClass::Window: break;
  }
  throw NilObjectException("a window block is not a control");
}

}  // namespace fw
