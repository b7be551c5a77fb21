// The packed block format: what the compile-time encoder writes and what the
// reader takes from it, whatever the order of the records.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/framework/BlockDeclaration.h"
#include "app/framework/BlockReader.h"

namespace {

using fw::BlockClass;
using fw::StoredOrder;

std::vector<unsigned char> Bytes(std::initializer_list<int> values) {
  std::vector<unsigned char> out;
  for (int v : values) out.push_back(static_cast<unsigned char>(v));
  return out;
}

void Append(std::vector<unsigned char>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

std::vector<unsigned char> Block(const fw::WindowBlocks& w, std::size_t i) {
  const auto span = w.BytesOf(w.blocks[i]);
  return {span.begin(), span.end()};
}

constexpr auto kStartLike = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(Window("Start", 590, 685), StoredOrder::Table,
                     PushButton("continue1", 470, 639, 100, 25).Caption("continue").Size(14).Default());
});

TEST(BlockEncoding, WindowBlockBeginsWithPlacementWidthHeightAsBigEndianIntegers) {
  const fw::WindowBlocks w = kStartLike;
  const auto block = Block(w, 0);
  std::vector<unsigned char> expected;
  Append(expected, "Placement ");
  for (int b : {0, 0, 0, 0}) expected.push_back(static_cast<unsigned char>(b));
  Append(expected, "Width ");
  for (int b : {0, 0, 0x02, 0x4E}) expected.push_back(static_cast<unsigned char>(b));
  Append(expected, "Height ");
  for (int b : {0, 0, 0x02, 0xAD}) expected.push_back(static_cast<unsigned char>(b));
  ASSERT_GE(block.size(), expected.size());
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), block.begin()));

  std::vector<unsigned char> title;
  Append(title, "Title ");
  for (int b : {0, 0, 0, 5}) title.push_back(static_cast<unsigned char>(b));
  Append(title, "Start");
  EXPECT_NE(std::search(block.begin(), block.end(), title.begin(), title.end()), block.end());
}

TEST(BlockEncoding, WindowBlockHasItsTwentyTwoRecordsInTheirOrder) {
  const fw::WindowBlocks w = kStartLike;
  const auto records = fw::DecodeBlock(w.BytesOf(w.blocks[0]), BlockClass::Window);
  const auto names = fw::RecordsOf(BlockClass::Window);
  ASSERT_EQ(records.size(), 22u);
  for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].name, names[i]);
  const fw::BlockRecords r(w.BytesOf(w.blocks[0]), BlockClass::Window);
  EXPECT_EQ(r.Integer("MinWidth"), 64);
  EXPECT_EQ(r.Integer("MaxHeight"), 32000);
  EXPECT_EQ(r.Colour("BackColor"), 0xFFFFFFu);
  EXPECT_TRUE(r.Flag("Visible"));
  EXPECT_FALSE(r.Flag("Resizeable"));
}

TEST(BlockEncoding, NoIndexIsStoredAs80000000) {
  const fw::WindowBlocks w = kStartLike;
  const auto block = Block(w, 1);
  std::vector<unsigned char> index;
  Append(index, "Index ");
  for (int b : {0x80, 0, 0, 0}) index.push_back(static_cast<unsigned char>(b));
  EXPECT_NE(std::search(block.begin(), block.end(), index.begin(), index.end()), block.end());
  EXPECT_EQ(fw::BlockRecords(w.BytesOf(w.blocks[1]), BlockClass::PushButton).Integer("Index"),
            fw::kNoIndex);
}

constexpr auto kTable = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(Window("W", 100, 100), StoredOrder::Table,
                     GroupBox("Box", 5, 5, 90, 90).Caption("units"),
                     RadioButton("Kelvin", 10, 10, 50, 20).Caption("in K").On().Parent("Box"),
                     ScrollBar("Bar", 80, 0, 15, 100).Range(0, 170).Value(12),
                     Listbox("List", 0, 0, 50, 50).Columns(2, "40% 60%"),
                     EditField("Field", 0, 60, 50, 20).Text("573.15"),
                     ImageWell("Image", 1, 1, 30, 20));
});
constexpr auto kReversed = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(Window("W", 100, 100), StoredOrder::Reversed,
                     GroupBox("Box", 5, 5, 90, 90).Caption("units"),
                     RadioButton("Kelvin", 10, 10, 50, 20).Caption("in K").On().Parent("Box"),
                     ScrollBar("Bar", 80, 0, 15, 100).Range(0, 170).Value(12),
                     Listbox("List", 0, 0, 50, 50).Columns(2, "40% 60%"),
                     EditField("Field", 0, 60, 50, 20).Text("573.15"),
                     ImageWell("Image", 1, 1, 30, 20));
});

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

TEST(BlockEncoding, ReversedBlocksReadAsTheSameControlsAsTableOrder) {
  const fw::WindowBlocks table = kTable, reversed = kReversed;
  ASSERT_EQ(table.blocks.size(), reversed.blocks.size());
  for (std::size_t i = 1; i < table.blocks.size(); ++i) {
    const BlockClass cls = table.blocks[i].cls;
    const auto t = ByName(table.BytesOf(table.blocks[i]), cls);
    EXPECT_EQ(t.size(), fw::RecordsOf(cls).size());
    EXPECT_EQ(t, ByName(reversed.BytesOf(reversed.blocks[i]), cls)) << fw::ClassName(cls);

    const auto records = fw::DecodeBlock(reversed.BytesOf(reversed.blocks[i]), cls);
    EXPECT_EQ(records.back().name, "Name");
    if (cls != BlockClass::ImageWell) {
      EXPECT_EQ(records.front().name, "InitialParent");
    }
  }
}

TEST(BlockEncoding, RecordsShuffledIntoAnyOrderReadTheSame) {
  const fw::WindowBlocks table = kTable;
  std::mt19937 random(7);
  for (std::size_t i = 1; i < table.blocks.size(); ++i) {
    const BlockClass cls = table.blocks[i].cls;
    const auto block = table.BytesOf(table.blocks[i]);
    // Cut the block into its records and put them together in another order.
    std::vector<std::vector<unsigned char>> pieces;
    std::size_t at = 0;
    for (const fw::Record& r : fw::DecodeBlock(block, cls)) {
      const auto* end = r.kind == fw::ValueKind::Text
                            ? reinterpret_cast<const unsigned char*>(r.text.data() + r.text.size())
                            : nullptr;
      std::size_t length = r.name.size() + 1;
      switch (r.kind) {
        case fw::ValueKind::Text: length = static_cast<std::size_t>(end - (block.data() + at)); break;
        case fw::ValueKind::Colour: length += 3; break;
        case fw::ValueKind::Integer: length += 4; break;
        case fw::ValueKind::Boolean: length += 1; break;
      }
      pieces.emplace_back(block.begin() + static_cast<std::ptrdiff_t>(at),
                          block.begin() + static_cast<std::ptrdiff_t>(at + length));
      at += length;
    }
    ASSERT_EQ(at, block.size());
    std::shuffle(pieces.begin(), pieces.end(), random);
    std::vector<unsigned char> shuffled;
    for (const auto& p : pieces) shuffled.insert(shuffled.end(), p.begin(), p.end());
    EXPECT_EQ(ByName(block, cls), ByName(shuffled, cls)) << fw::ClassName(cls);
  }
}

TEST(BlockEncoding, ValueIsOneByteForARadioButtonAndFourForAScrollBar) {
  const fw::WindowBlocks w = kTable;
  const fw::BlockRecords radio(w.BytesOf(w.blocks[2]), BlockClass::RadioButton);
  EXPECT_EQ(radio.Find("Value")->kind, fw::ValueKind::Boolean);
  EXPECT_TRUE(radio.Flag("Value"));
  EXPECT_EQ(radio.Text("InitialParent"), "Box");
  const fw::BlockRecords bar(w.BytesOf(w.blocks[3]), BlockClass::ScrollBar);
  EXPECT_EQ(bar.Find("Value")->kind, fw::ValueKind::Integer);
  EXPECT_EQ(bar.Integer("Value"), 12);
  EXPECT_EQ(bar.Integer("Maximum"), 170);
  // Read with the wrong class, the radio button's block loses step.
  EXPECT_THROW(fw::DecodeBlock(w.BytesOf(w.blocks[2]), BlockClass::ScrollBar), fw::MalformedBlock);
}

TEST(BlockEncoding, ScrollBarVerticalOfListsAndScrollbarVerticalOfFieldsAreDistinct) {
  const fw::WindowBlocks w = kTable;
  const fw::BlockRecords list(w.BytesOf(w.blocks[4]), BlockClass::Listbox);
  const fw::BlockRecords field(w.BytesOf(w.blocks[5]), BlockClass::EditField);
  EXPECT_TRUE(list.Has("ScrollBarVertical"));
  EXPECT_FALSE(list.Has("ScrollbarVertical"));
  EXPECT_TRUE(field.Has("ScrollbarVertical"));
  EXPECT_FALSE(field.Has("ScrollBarVertical"));
  EXPECT_EQ(list.Text("ColumnWidths"), "40% 60%");
  EXPECT_EQ(field.Text("Text"), "573.15");
}

TEST(BlockEncoding, ImageWellKeepsInitialParentInTheMiddle) {
  const fw::WindowBlocks w = kTable;
  const auto records = fw::DecodeBlock(w.BytesOf(w.blocks[6]), BlockClass::ImageWell);
  ASSERT_EQ(records.size(), 16u);
  EXPECT_EQ(records[11].name, "InitialParent");
}

constexpr auto kLong = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("W", 100, 100), StoredOrder::Table,
      StaticText("Long", 0, 0, 100, 100)
          .Text("A text well beyond the reach of one length byte: it runs on and on, over "
                "several references with their journals, volumes and pages, and a note on "
                "each of them, until the whole block is far longer than two hundred and "
                "fifty-five bytes, which is the most a leading length byte can tell.")
          .Multiline());
});

TEST(BlockEncoding, BlockLongerThan255BytesIsReadToItsEnd) {
  const fw::WindowBlocks w = kLong;
  const auto block = w.BytesOf(w.blocks[1]);
  ASSERT_GT(block.size(), 255u);
  const fw::BlockRecords r(block, BlockClass::StaticText);
  EXPECT_EQ(r.Records().size(), fw::RecordsOf(BlockClass::StaticText).size());
  EXPECT_TRUE(r.Text("Text").ends_with("can tell."));
  EXPECT_EQ(r.Text("InitialParent"), "");
}

TEST(BlockEncoding, MalformedBlocksAreRefused) {
  auto unknown = Bytes({});
  Append(unknown, "Colour ");
  unknown.insert(unknown.end(), {0, 0, 0});
  EXPECT_THROW(fw::DecodeBlock(unknown, BlockClass::StaticText), fw::MalformedBlock);

  auto shortInteger = Bytes({});
  Append(shortInteger, "Left ");
  shortInteger.insert(shortInteger.end(), {0, 0});
  EXPECT_THROW(fw::DecodeBlock(shortInteger, BlockClass::StaticText), fw::MalformedBlock);

  auto longText = Bytes({});
  Append(longText, "Text ");
  longText.insert(longText.end(), {0, 0, 0, 9});
  Append(longText, "abc");
  EXPECT_THROW(fw::DecodeBlock(longText, BlockClass::StaticText), fw::MalformedBlock);

  auto valueOfALabel = Bytes({});
  Append(valueOfALabel, "Value ");
  valueOfALabel.push_back(1);
  EXPECT_THROW(fw::DecodeBlock(valueOfALabel, BlockClass::StaticText), fw::MalformedBlock);

  auto nameOnly = Bytes({});
  Append(nameOnly, "Visible");
  EXPECT_THROW(fw::DecodeBlock(nameOnly, BlockClass::StaticText), fw::MalformedBlock);
}

TEST(BlockEncoding, ColourIsThreeBytesRedGreenBlue) {
  auto block = Bytes({});
  Append(block, "TextColor ");
  block.insert(block.end(), {0xFF, 0x00, 0x80});
  Append(block, "Bold ");
  block.push_back(1);
  const fw::BlockRecords r(block, BlockClass::StaticText);
  EXPECT_EQ(r.Colour("TextColor"), 0xFF0080u);
  EXPECT_TRUE(r.Flag("Bold"));
}

}  // namespace
