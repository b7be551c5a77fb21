// Property blocks as the source declares them: one readable line per control,
// in creation order, turned into the packed byte format at compile time.
//
//   using namespace fw::decl;
//   StaticText("Result", 155, 235, 120, 25).Size(16)
//   EditField("dataEntry", 155, 20, 120, 25).Size(16)
//   PushButton("calculate", 20, 175, 105, 30).Caption("calculate").Size(18).Default()
//   RadioButton("Kelvin", 382, 117, 56, 20).Caption("in K").Size(12).On()
//
// Every record of the class is written, with the common value unless the
// declaration sets it. Setting a record the class does not have stops the
// compilation (a declaration with a typo does not build).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/framework/PropertyTables.h"

class QPixmap;

namespace fw {

// A picture getter (see Pictures.h): loads once, then hands out the kept picture.
using PictureGetter = const QPixmap& (*)();

// Whether a window stores its control blocks in the table order of their class
// or in exactly the reverse order (`InitialParent` first, `Name` last).
enum class StoredOrder : std::uint8_t { Table, Reversed };

// One record value; which member counts follows from the record's kind.
struct DeclaredValue {
  std::int64_t number = 0;  // Integer, Boolean (0/1), Colour (0xRRGGBB)
  std::string_view text;    // Text
};

namespace detail {
[[noreturn]] inline void RecordNotInClass() {
  // Reached only while evaluating a declaration: a call of a non-constexpr
  // function makes the declaration fail to compile.
  throw "this class of block has no record of that name";
}
}  // namespace detail

// The declaration of one block: its class and a value for every record.
class BlockDecl {
 public:
  constexpr explicit BlockDecl(BlockClass cls) : cls_(cls) {
    const auto names = RecordsOf(cls);
    for (std::size_t i = 0; i < names.size(); ++i) values_[i] = DefaultValue(cls, names[i]);
  }

  constexpr BlockClass Class() const { return cls_; }
  constexpr std::size_t RecordCount() const { return RecordsOf(cls_).size(); }
  constexpr std::string_view RecordName(std::size_t i) const { return RecordsOf(cls_)[i]; }
  constexpr const DeclaredValue& RecordValue(std::size_t i) const { return values_[i]; }
  constexpr const DeclaredValue& Get(std::string_view name) const { return values_[Slot(name)]; }
  constexpr PictureGetter Picture() const { return picture_; }

  // Generic setters, for records without a named setter below.
  constexpr BlockDecl SetNumber(std::string_view name, std::int64_t v) const {
    BlockDecl d = *this;
    d.values_[Slot(name)].number = v;
    return d;
  }
  constexpr BlockDecl SetFlag(std::string_view name, bool on) const {
    return SetNumber(name, on ? 1 : 0);
  }
  constexpr BlockDecl SetText(std::string_view name, std::string_view text) const {
    BlockDecl d = *this;
    d.values_[Slot(name)].text = text;
    return d;
  }

  // Common records.
  constexpr BlockDecl Parent(std::string_view container) const {
    return SetText("InitialParent", container);
  }
  constexpr BlockDecl Index(std::int32_t i) const { return SetNumber("Index", i); }
  constexpr BlockDecl Hidden() const { return SetFlag("Visible", false); }

  // Texts and their look.
  constexpr BlockDecl Text(std::string_view t) const { return SetText("Text", t); }
  constexpr BlockDecl Caption(std::string_view t) const { return SetText("Caption", t); }
  constexpr BlockDecl Font(std::string_view family) const { return SetText("TextFont", family); }
  constexpr BlockDecl Size(std::int32_t pixels) const { return SetNumber("TextSize", pixels); }
  constexpr BlockDecl Bold() const { return SetFlag("Bold", true); }
  constexpr BlockDecl Italic() const { return SetFlag("Italic", true); }
  constexpr BlockDecl Underline() const { return SetFlag("Underline", true); }
  constexpr BlockDecl Centred() const { return SetNumber("TextAlign", 1); }
  constexpr BlockDecl RightAligned() const { return SetNumber("TextAlign", 2); }
  constexpr BlockDecl Color(std::uint32_t rgb) const { return SetNumber("TextColor", rgb); }
  constexpr BlockDecl Multiline() const { return SetFlag("Multiline", true); }

  // Edit fields.
  constexpr BlockDecl ReadOnly() const { return SetFlag("ReadOnly", true); }

  // Buttons.
  constexpr BlockDecl Default() const { return SetFlag("Default", true); }
  constexpr BlockDecl Cancel() const { return SetFlag("Cancel", true); }
  constexpr BlockDecl On() const { return SetFlag("Value", true); }  // radio button

  // Lists.
  constexpr BlockDecl Columns(std::int32_t count, std::string_view widths) const {
    return SetNumber("ColumnCount", count).SetText("ColumnWidths", widths);
  }
  constexpr BlockDecl Heading() const { return SetFlag("HasHeading", true); }

  // Scroll bars.
  constexpr BlockDecl Range(std::int32_t minimum, std::int32_t maximum) const {
    return SetNumber("Minimum", minimum).SetNumber("Maximum", maximum);
  }
  constexpr BlockDecl Value(std::int32_t v) const { return SetNumber("Value", v); }
  constexpr BlockDecl Steps(std::int32_t line, std::int32_t page) const {
    return SetNumber("LineStep", line).SetNumber("PageStep", page);
  }
  constexpr BlockDecl LiveScroll() const { return SetFlag("LiveScroll", true); }

  // Rectangles and lines.
  constexpr BlockDecl Fill(std::uint32_t rgb) const { return SetNumber("FillColor", rgb); }
  constexpr BlockDecl BorderWidth(std::int32_t w) const { return SetNumber("BorderWidth", w); }
  constexpr BlockDecl BorderColor(std::uint32_t rgb) const {
    return SetNumber("BorderColor", rgb);
  }
  constexpr BlockDecl Bevel(std::uint32_t topLeft, std::uint32_t bottomRight) const {
    return SetNumber("TopLeftColor", topLeft).SetNumber("BottomRightColor", bottomRight);
  }
  constexpr BlockDecl Oval(std::int32_t w, std::int32_t h) const {
    return SetNumber("OvalWidth", w).SetNumber("OvalHeight", h);
  }
  constexpr BlockDecl LineColor(std::uint32_t rgb) const { return SetNumber("LineColor", rgb); }

  // Canvas backdrop or image-well image: not a record; set before the block
  // is applied when the control is built.
  constexpr BlockDecl Picture(PictureGetter getter) const {
    BlockDecl d = *this;
    d.picture_ = getter;
    return d;
  }

  // Window block.
  constexpr BlockDecl Title(std::string_view t) const { return SetText("Title", t); }
  constexpr BlockDecl Placement(std::int32_t p) const { return SetNumber("Placement", p); }
  constexpr BlockDecl Resizable() const { return SetFlag("Resizeable", true); }
  constexpr BlockDecl Limits(std::int32_t minW, std::int32_t minH, std::int32_t maxW,
                             std::int32_t maxH) const {
    return SetNumber("MinWidth", minW)
        .SetNumber("MinHeight", minH)
        .SetNumber("MaxWidth", maxW)
        .SetNumber("MaxHeight", maxH);
  }
  constexpr BlockDecl MinimizeButton() const { return SetFlag("MinimizeButton", true); }

 private:
  constexpr std::size_t Slot(std::string_view name) const {
    const auto names = RecordsOf(cls_);
    for (std::size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return i;
    detail::RecordNotInClass();
  }

  // The value a record has when the declaration does not set it.
  static constexpr DeclaredValue DefaultValue(BlockClass cls, std::string_view name) {
    constexpr std::uint32_t kWhite = 0xFFFFFF;
    if (name == "Index") return {kNoIndex, {}};
    if (name == "Visible" || name == "Enabled" || name == "AutoDeactivate" ||
        name == "UseFocusRing")
      return {1, {}};
    if (name == "TextFont") return {0, "System"};
    if (cls == BlockClass::Window) {
      if (name == "MinWidth" || name == "MinHeight") return {64, {}};
      if (name == "MaxWidth" || name == "MaxHeight") return {32000, {}};
      if (name == "HasBackColor" || name == "MenuBarVisible" || name == "CloseButton" ||
          name == "LiveResize")
        return {1, {}};
      if (name == "BackColor") return {kWhite, {}};
      return {};
    }
    if (name == "BackColor" || name == "FillColor") return {kWhite, {}};
    if (name == "Border" || name == "EraseBackground") return {1, {}};
    if (name == "BorderWidth") return {1, {}};
    if (name == "HeadingIndex" || name == "DefaultRowHeight") return {-1, {}};
    if (name == "ColumnCount") return {1, {}};
    if (name == "ScrollbarVertical" && cls == BlockClass::EditField) return {1, {}};
    if (name == "ScrollBarVertical" || name == "AutoHideScrollbars") return {1, {}};
    if (name == "Maximum") return {100, {}};
    if (name == "LineStep") return {1, {}};
    if (name == "PageStep") return {20, {}};
    if (name == "OvalWidth" || name == "OvalHeight") return {10, {}};
    return {};
  }

  BlockClass cls_;
  std::array<DeclaredValue, tables::kMaxRecords> values_{};
  PictureGetter picture_ = nullptr;
};

namespace decl {

// Window block: title and content size; the rest as common to all windows.
constexpr BlockDecl Window(std::string_view title, std::int32_t width, std::int32_t height) {
  return BlockDecl(BlockClass::Window)
      .Title(title)
      .SetNumber("Width", width)
      .SetNumber("Height", height);
}

// A control at its place in window coordinates (also inside a container).
constexpr BlockDecl Control(BlockClass cls, std::string_view name, std::int32_t left,
                            std::int32_t top, std::int32_t width, std::int32_t height) {
  return BlockDecl(cls)
      .SetText("Name", name)
      .SetNumber("Left", left)
      .SetNumber("Top", top)
      .SetNumber("Width", width)
      .SetNumber("Height", height);
}

#define FW_DECLARE_CONTROL_CLASS(Class)                                                     \
  constexpr BlockDecl Class(std::string_view name, std::int32_t left, std::int32_t top,      \
                            std::int32_t width, std::int32_t height) {                       \
    return Control(BlockClass::Class, name, left, top, width, height);                       \
  }
FW_DECLARE_CONTROL_CLASS(StaticText)
FW_DECLARE_CONTROL_CLASS(EditField)
FW_DECLARE_CONTROL_CLASS(PushButton)
FW_DECLARE_CONTROL_CLASS(RadioButton)
FW_DECLARE_CONTROL_CLASS(GroupBox)
FW_DECLARE_CONTROL_CLASS(Listbox)
FW_DECLARE_CONTROL_CLASS(ScrollBar)
FW_DECLARE_CONTROL_CLASS(Canvas)
FW_DECLARE_CONTROL_CLASS(ImageWell)
FW_DECLARE_CONTROL_CLASS(Rectangle)
FW_DECLARE_CONTROL_CLASS(RoundRectangle)
#undef FW_DECLARE_CONTROL_CLASS

// A line from (x1, y1) to (x2, y2) in window coordinates.
constexpr BlockDecl Line(std::string_view name, std::int32_t x1, std::int32_t y1,
                         std::int32_t x2, std::int32_t y2) {
  const std::int32_t left = x1 < x2 ? x1 : x2;
  const std::int32_t top = y1 < y2 ? y1 : y2;
  const std::int32_t width = x1 < x2 ? x2 - x1 : x1 - x2;
  const std::int32_t height = y1 < y2 ? y2 - y1 : y1 - y2;
  return Control(BlockClass::Line, name, left, top, width, height)
      .SetNumber("X1", x1)
      .SetNumber("Y1", y1)
      .SetNumber("X2", x2)
      .SetNumber("Y2", y2);
}

}  // namespace decl

// A whole window as declared: its block, the stored order of its control
// blocks, and the control blocks in creation order.
template <std::size_t N>
struct WindowDecl {
  BlockDecl window;
  StoredOrder order;
  std::array<BlockDecl, N> controls;
};

template <class... Controls>
constexpr auto Declare(BlockDecl window, StoredOrder order, Controls... controls) {
  return WindowDecl<sizeof...(Controls)>{window, order, {controls...}};
}

// Where one encoded block lies, and what the builder needs beside its bytes.
struct BlockRef {
  BlockClass cls;
  std::uint32_t offset;
  std::uint32_t length;
  PictureGetter picture;
  bool setMember;  // built through its control-set class with its Index
};

// The encoded blocks of one window: [0] is the window block, then the
// controls in creation order. A view; the bytes live in a constant.
struct WindowBlocks {
  std::span<const unsigned char> bytes;
  std::span<const BlockRef> blocks;

  std::span<const unsigned char> BytesOf(const BlockRef& b) const {
    return bytes.subspan(b.offset, b.length);
  }
};

template <std::size_t Bytes, std::size_t N>
struct EncodedWindow {
  std::array<unsigned char, Bytes> bytes{};
  std::array<BlockRef, N + 1> blocks{};

  constexpr operator WindowBlocks() const { return {bytes, blocks}; }
};

namespace detail {

constexpr std::size_t EncodedSize(std::string_view name, ValueKind kind,
                                  const DeclaredValue& v) {
  std::size_t n = name.size() + 1;
  switch (kind) {
    case ValueKind::Text: return n + 4 + v.text.size();
    case ValueKind::Colour: return n + 3;
    case ValueKind::Integer: return n + 4;
    case ValueKind::Boolean: return n + 1;
  }
  return n;
}

constexpr std::size_t EncodedSize(const BlockDecl& b) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < b.RecordCount(); ++i)
    n += EncodedSize(b.RecordName(i), *KindOf(b.RecordName(i), b.Class()), b.RecordValue(i));
  return n;
}

template <std::size_t N>
constexpr std::size_t EncodedSize(const WindowDecl<N>& w) {
  std::size_t n = EncodedSize(w.window);
  for (const BlockDecl& c : w.controls) n += EncodedSize(c);
  return n;
}

constexpr void PutBigEndian(unsigned char* out, std::size_t& at, std::uint32_t v, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
    out[at++] = static_cast<unsigned char>((v >> shift) & 0xFF);
}

constexpr void PutRecord(unsigned char* out, std::size_t& at, const BlockDecl& b,
                         std::size_t i) {
  const std::string_view name = b.RecordName(i);
  const DeclaredValue& v = b.RecordValue(i);
  for (char c : name) out[at++] = static_cast<unsigned char>(c);
  out[at++] = 0x20;
  switch (*KindOf(name, b.Class())) {
    case ValueKind::Text:
      PutBigEndian(out, at, static_cast<std::uint32_t>(v.text.size()), 4);
      for (char c : v.text) out[at++] = static_cast<unsigned char>(c);
      break;
    case ValueKind::Colour: PutBigEndian(out, at, static_cast<std::uint32_t>(v.number), 3); break;
    case ValueKind::Integer: PutBigEndian(out, at, static_cast<std::uint32_t>(v.number), 4); break;
    case ValueKind::Boolean: out[at++] = v.number != 0 ? 1 : 0; break;
  }
}

constexpr BlockRef PutBlock(unsigned char* out, std::size_t& at, const BlockDecl& b,
                            StoredOrder order) {
  const std::size_t start = at;
  const std::size_t n = b.RecordCount();
  for (std::size_t k = 0; k < n; ++k) PutRecord(out, at, b, order == StoredOrder::Table ? k : n - 1 - k);
  return {b.Class(), static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(at - start),
          b.Picture(), b.Class() != BlockClass::Window && b.Get("Index").number != kNoIndex};
}

}  // namespace detail

// Encodes a window declared by a captureless lambda returning fw::Declare(...):
//   constexpr auto kBlocks = fw::EncodeWindow([] { using namespace fw::decl; return fw::Declare(...); });
template <class DeclareFn>
consteval auto EncodeWindow(DeclareFn) {
  constexpr auto declared = DeclareFn{}();
  constexpr std::size_t count = declared.controls.size();
  constexpr std::size_t size = detail::EncodedSize(declared);
  EncodedWindow<size, count> encoded;
  std::size_t at = 0;
  // The window block is always stored in table order.
  encoded.blocks[0] = detail::PutBlock(encoded.bytes.data(), at, declared.window, StoredOrder::Table);
  for (std::size_t i = 0; i < count; ++i)
    encoded.blocks[i + 1] =
        detail::PutBlock(encoded.bytes.data(), at, declared.controls[i], declared.order);
  return encoded;
}

}  // namespace fw
