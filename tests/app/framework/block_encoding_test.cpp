// The packed block format: what the compile-time encoder writes and what the
// reader takes from it, whatever the order of the records.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/framework/BlockDeclaration.h"
#include "app/framework/BlockReader.h"

namespace {

using fw::BlockClass;
using fw::StoredOrder;
using namespace std::string_view_literals;

// A text too long for one length byte.
constexpr auto kLongChars = [] {
  std::array<char, 300> text{};
  std::fill(text.begin(), text.end(), 'x');
  text.back() = '.';
  return text;
}();
constexpr std::string_view kLong(kLongChars.data(), kLongChars.size());

template <StoredOrder Order>
constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(Window("Start", 590, 685), Order,
                     GroupBox("Box", 5, 5, 90, 90).Caption("units"),
                     RadioButton("Kelvin", 10, 10, 50, 20).Caption("in K").On().Parent("Box"),
                     ScrollBar("Bar", 80, 0, 15, 100).Range(0, 170).Value(12),
                     Listbox("List", 0, 0, 50, 50).Columns(2, "40% 60%"),
                     EditField("Field", 0, 60, 50, 20).Text("573.15"),
                     ImageWell("Image", 1, 1, 30, 20),
                     StaticText("Long", 0, 0, 100, 100).Text(kLong).Color(0xFF0080));
});

// Every record of a block as "kind:value", by name.
std::map<std::string, std::string> ByName(std::span<const unsigned char> block, BlockClass cls) {
  std::map<std::string, std::string> out;
  for (const fw::Record& r : fw::DecodeBlock(block, cls)) {
    std::string value;
    switch (r.kind) {
      case fw::ValueKind::Text: value = "t:" + std::string(r.text); break;
      case fw::ValueKind::Colour: value = "c:" + std::to_string(r.colour); break;
      case fw::ValueKind::Integer: value = "i:" + std::to_string(r.integer); break;
      case fw::ValueKind::Boolean: value = r.flag ? "b:1" : "b:0"; break;
    }
    EXPECT_TRUE(out.emplace(std::string(r.name), value).second) << "twice: " << r.name;
  }
  return out;
}

TEST(BlockEncoding, RecordsAreStoredBigEndianByKindOfTheirClassAndReadBack) {
  struct Stored {
    std::size_t block;
    std::string_view record;
    std::string read;
    std::string_view bytes;  // after the name and its blank
  };
  const Stored kStored[] = {
      {0, "Width", "i:590", "\0\0\x02\x4E"sv},
      {0, "Title", "t:Start", "\0\0\0\x05Start"sv},
      {2, "Value", "b:1", "\x01"sv},  // a radio button's Value is one byte,
      {3, "Value", "i:12", "\0\0\0\x0C"sv},  // a scroll bar's four
      {3, "Index", "i:" + std::to_string(fw::kNoIndex), "\x80\0\0\0"sv},
      {4, "ScrollBarVertical", "b:1", "\x01"sv},  // a list's, spelt apart
      {5, "ScrollbarVertical", "b:1", "\x01"sv},  // from an edit field's
      {7, "Text", "t:" + std::string(kLong), "\0\0\x01\x2C" "xxx"sv},
      {7, "TextColor", "c:16711808", "\xFF\0\x80"sv},
  };
  for (const fw::WindowBlocks w : {fw::WindowBlocks(kBlocks<StoredOrder::Table>),
                                   fw::WindowBlocks(kBlocks<StoredOrder::Reversed>)}) {
    for (const Stored& s : kStored) {
      const auto block = w.BytesOf(w.blocks[s.block]);
      const std::string text = std::string(s.record) + ' ' + std::string(s.bytes);
      const std::vector<unsigned char> stored(text.begin(), text.end());
      EXPECT_NE(std::search(block.begin(), block.end(), stored.begin(), stored.end()), block.end())
          << s.record << " of block " << s.block;
      EXPECT_EQ(ByName(block, w.blocks[s.block].cls)[std::string(s.record)], s.read) << s.record;
    }
  }
}

TEST(BlockEncoding, RecordsInTableReversedOrShuffledOrderReadTheSame) {
  const fw::WindowBlocks table = kBlocks<StoredOrder::Table>;
  const fw::WindowBlocks reversed = kBlocks<StoredOrder::Reversed>;
  ASSERT_EQ(table.blocks.size(), reversed.blocks.size());
  std::mt19937 random(7);
  for (std::size_t i = 0; i < table.blocks.size(); ++i) {
    const BlockClass cls = table.blocks[i].cls;
    const auto block = table.BytesOf(table.blocks[i]);
    const auto names = fw::RecordsOf(cls);
    const auto records = fw::DecodeBlock(block, cls);
    const auto backwards = fw::DecodeBlock(reversed.BytesOf(reversed.blocks[i]), cls);
    ASSERT_EQ(records.size(), names.size()) << fw::ClassName(cls);
    ASSERT_EQ(backwards.size(), names.size()) << fw::ClassName(cls);
    // Cut the block into its records and put them together in another order.
    std::vector<std::span<const unsigned char>> pieces;
    std::size_t at = 0;
    for (std::size_t k = 0; k < names.size(); ++k) {
      const fw::Record& r = records[k];
      EXPECT_EQ(r.name, names[k]);
      EXPECT_EQ(backwards[k].name, i == 0 ? names[k] : names[names.size() - 1 - k])
          << "the window block is always in table order";
      std::size_t length = r.name.size() + 1;
      switch (r.kind) {
        case fw::ValueKind::Text: length += 4 + r.text.size(); break;
        case fw::ValueKind::Colour: length += 3; break;
        case fw::ValueKind::Integer: length += 4; break;
        case fw::ValueKind::Boolean: length += 1; break;
      }
      pieces.push_back(block.subspan(at, length));
      at += length;
    }
    ASSERT_EQ(at, block.size());
    std::shuffle(pieces.begin(), pieces.end(), random);
    std::vector<unsigned char> shuffled;
    for (const auto& p : pieces) shuffled.insert(shuffled.end(), p.begin(), p.end());
    const auto expected = ByName(block, cls);
    EXPECT_EQ(ByName(shuffled, cls), expected) << fw::ClassName(cls);
    EXPECT_EQ(ByName(reversed.BytesOf(reversed.blocks[i]), cls), expected) << fw::ClassName(cls);
  }
}

TEST(BlockEncoding, MalformedBlocksAreRefused) {
  const fw::WindowBlocks w = kBlocks<StoredOrder::Table>;
  for (std::string_view bad : {"Colour \0\0\0"sv,                 // no such record
                               "Left \0\0"sv,                     // integer cut short
                               "Text \0\0\0\x09" "abc"sv,         // text beyond the block
                               "Value \x01"sv,                    // a label has no Value
                               "Visible"sv}) {                    // name without a value
    const std::span block(reinterpret_cast<const unsigned char*>(bad.data()), bad.size());
    EXPECT_THROW(fw::DecodeBlock(block, BlockClass::StaticText), fw::MalformedBlock) << bad;
  }
  // Read with the wrong class, the radio button's block loses step.
  EXPECT_THROW(fw::DecodeBlock(w.BytesOf(w.blocks[2]), BlockClass::ScrollBar), fw::MalformedBlock);
}

}  // namespace
