// The property-block vocabulary: the width of every record value, told by the
// record's name, and the records each class of block holds, in stored order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace fw {

// How a record's value is stored after its name and the blank.
enum class ValueKind : std::uint8_t {
  Text,     // Int32 byte count, then that many bytes of UTF-8
  Colour,   // 3 bytes: red, green, blue
  Integer,  // 4 bytes, signed, big-endian
  Boolean,  // 1 byte, 0 or 1
};

// The class of a block: the window itself or one of the control classes.
enum class BlockClass : std::uint8_t {
  Window,
  StaticText,
  EditField,
  PushButton,
  RadioButton,
  GroupBox,
  Listbox,
  ScrollBar,
  Canvas,
  ImageWell,
  Rectangle,
  RoundRectangle,
  Line,
};

inline constexpr std::int32_t kNoIndex = INT32_MIN;  // not a member of a control set

namespace tables {

inline constexpr std::array<std::string_view, 14> kTextNames{
    "BalloonHelp", "Caption", "ColumnWidths", "DataField", "DataSource", "Format", "HelpTag",
    "InitialParent", "InitialValue", "Mask", "Name", "Text", "TextFont", "Title"};

inline constexpr std::array<std::string_view, 7> kColourNames{
    "BackColor", "BorderColor", "BottomRightColor", "FillColor", "LineColor", "TextColor",
    "TopLeftColor"};

inline constexpr std::array<std::string_view, 36> kIntegerNames{
    "Alignment",  "BorderWidth", "ColumnCount",   "DefaultRowHeight", "Frame",
    "GridLinesHorizontal", "GridLinesVertical", "HeadingIndex", "Height", "Index",
    "Left",       "LimitText",   "LineStep",      "MacProcID",        "MaxHeight",
    "MaxWidth",   "Maximum",     "MinHeight",     "MinWidth",         "Minimum",
    "OvalHeight", "OvalWidth",   "PageStep",      "Placement",        "SelectionType",
    "TabPanelIndex", "TextAlign", "TextSize",     "Top",              "Width",
    "X1",         "X2",          "Y1",            "Y2",               "_ScrollOffset",
    "_ScrollWidth"};

inline constexpr std::array<std::string_view, 41> kBooleanNames{
    "AcceptFocus", "AcceptTabs", "AutoDeactivate", "AutoHideScrollbars", "Bold", "Border",
    "Cancel", "CloseButton", "ColumnsResizable", "Composite", "Default", "EnableDrag",
    "EnableDragReorder", "Enabled", "EraseBackground", "FullScreen", "HasBackColor",
    "HasHeading", "Hierarchical", "Italic", "LiveResize", "LiveScroll", "LockBottom",
    "LockLeft", "LockRight", "LockTop", "MaximizeButton", "MenuBarVisible", "MinimizeButton",
    "Multiline", "Password", "ReadOnly", "RequiresSelection", "Resizeable", "ScrollBarVertical",
    "ScrollbarHorizontal", "ScrollbarVertical", "Styled", "Underline", "UseFocusRing",
    "Visible"};

// Records of each class in the order a block stores them (the "table order").
inline constexpr std::array<std::string_view, 22> kWindow{
    "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
    "Composite", "HasBackColor", "BackColor", "Title", "Visible", "FullScreen",
    "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize", "MaximizeButton",
    "MinimizeButton", "BalloonHelp", "MacProcID"};

inline constexpr std::array<std::string_view, 27> kStaticText{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Text", "TextAlign", "TextColor", "Multiline", "Enabled",
    "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic",
    "Underline", "DataSource", "DataField", "InitialParent"};

inline constexpr std::array<std::string_view, 39> kEditField{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Border", "Multiline", "ScrollbarHorizontal",
    "ScrollbarVertical", "Styled", "Password", "UseFocusRing", "TextColor", "BackColor",
    "Enabled", "Format", "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold",
    "Italic", "Underline", "Text", "Mask", "ReadOnly", "LimitText", "AcceptTabs", "Alignment",
    "DataSource", "DataField", "InitialParent"};

inline constexpr std::array<std::string_view, 24> kPushButton{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Caption", "Default", "Cancel", "Enabled", "Visible",
    "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline",
    "InitialParent"};

inline constexpr std::array<std::string_view, 23> kRadioButton{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Caption", "Enabled", "Visible", "HelpTag",
    "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline", "Value",
    "InitialParent"};

inline constexpr std::array<std::string_view, 22> kGroupBox{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Caption", "Enabled", "Visible", "HelpTag",
    "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline", "InitialParent"};

inline constexpr std::array<std::string_view, 43> kListbox{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
    "ColumnCount", "ColumnWidths", "HasHeading", "UseFocusRing", "InitialValue",
    "HeadingIndex", "ScrollbarHorizontal", "ScrollBarVertical", "GridLinesHorizontal",
    "GridLinesVertical", "DefaultRowHeight", "_ScrollWidth", "_ScrollOffset", "TextFont",
    "TextSize", "Bold", "Italic", "Underline", "Hierarchical", "EnableDrag",
    "EnableDragReorder", "RequiresSelection", "SelectionType", "ColumnsResizable",
    "AutoHideScrollbars", "DataSource", "DataField", "InitialParent"};

inline constexpr std::array<std::string_view, 23> kScrollBar{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Enabled", "Visible", "HelpTag", "AutoDeactivate",
    "Minimum", "Value", "Maximum", "LineStep", "PageStep", "LiveScroll", "AcceptFocus",
    "InitialParent"};

inline constexpr std::array<std::string_view, 20> kCanvas{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
    "UseFocusRing", "AcceptFocus", "AcceptTabs", "EraseBackground", "InitialParent"};

inline constexpr std::array<std::string_view, 16> kImageWell{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "InitialParent", "Visible", "HelpTag", "AutoDeactivate",
    "Enabled"};

inline constexpr std::array<std::string_view, 20> kRectangle{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
    "FillColor", "BorderWidth", "TopLeftColor", "BottomRightColor", "InitialParent"};

inline constexpr std::array<std::string_view, 21> kRoundRectangle{
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
    "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
    "FillColor", "BorderWidth", "BorderColor", "OvalWidth", "OvalHeight", "InitialParent"};

inline constexpr std::array<std::string_view, 15> kLine{
    "Name", "Index", "Top", "Left", "Width", "Height", "X1", "X2", "Y1", "Y2",
    "TabPanelIndex", "Visible", "BorderWidth", "LineColor", "InitialParent"};

inline constexpr std::size_t kMaxRecords = 43;  // the list box has the most

template <std::size_t N>
constexpr bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::string_view n : names)
    if (n == name) return true;
  return false;
}

}  // namespace tables

// The records of a class of block, in stored (table) order.
constexpr std::span<const std::string_view> RecordsOf(BlockClass cls) {
  switch (cls) {
    case BlockClass::Window: return tables::kWindow;
    case BlockClass::StaticText: return tables::kStaticText;
    case BlockClass::EditField: return tables::kEditField;
    case BlockClass::PushButton: return tables::kPushButton;
    case BlockClass::RadioButton: return tables::kRadioButton;
    case BlockClass::GroupBox: return tables::kGroupBox;
    case BlockClass::Listbox: return tables::kListbox;
    case BlockClass::ScrollBar: return tables::kScrollBar;
    case BlockClass::Canvas: return tables::kCanvas;
    case BlockClass::ImageWell: return tables::kImageWell;
    case BlockClass::Rectangle: return tables::kRectangle;
    case BlockClass::RoundRectangle: return tables::kRoundRectangle;
    case BlockClass::Line: return tables::kLine;
  }
  return {};
}

// The width of a record's value. `Value` is the one name whose width depends
// on the class: a radio button's is on/off, a scroll bar's a number.
constexpr std::optional<ValueKind> KindOf(std::string_view name, BlockClass cls) {
  if (name == "Value") {
    if (cls == BlockClass::RadioButton) return ValueKind::Boolean;
    if (cls == BlockClass::ScrollBar) return ValueKind::Integer;
    return std::nullopt;
  }
  if (tables::Contains(tables::kTextNames, name)) return ValueKind::Text;
  if (tables::Contains(tables::kColourNames, name)) return ValueKind::Colour;
  if (tables::Contains(tables::kIntegerNames, name)) return ValueKind::Integer;
  if (tables::Contains(tables::kBooleanNames, name)) return ValueKind::Boolean;
  return std::nullopt;
}

constexpr std::string_view ClassName(BlockClass cls) {
  switch (cls) {
    case BlockClass::Window: return "Window";
    case BlockClass::StaticText: return "StaticText";
    case BlockClass::EditField: return "EditField";
    case BlockClass::PushButton: return "PushButton";
    case BlockClass::RadioButton: return "RadioButton";
    case BlockClass::GroupBox: return "GroupBox";
    case BlockClass::Listbox: return "Listbox";
    case BlockClass::ScrollBar: return "ScrollBar";
    case BlockClass::Canvas: return "Canvas";
    case BlockClass::ImageWell: return "ImageWell";
    case BlockClass::Rectangle: return "Rectangle";
    case BlockClass::RoundRectangle: return "RoundRectangle";
    case BlockClass::Line: return "Line";
  }
  return {};
}

// A parent (`InitialParent`) is always one of these.
constexpr bool IsContainerClass(BlockClass cls) {
  return cls == BlockClass::GroupBox || cls == BlockClass::Rectangle ||
         cls == BlockClass::RoundRectangle;
}

}  // namespace fw
