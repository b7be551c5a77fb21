// The packed block format: what the compile-time encoder writes and what the
// reader takes from it, and the blocks it refuses.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/framework/BlockReader.h"
#include "app/start_window.h"

namespace {

using fw::BlockClass;
using namespace std::string_view_literals;

std::span<const unsigned char> Bytes(std::string_view text) {
  return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

// The start window's blocks lie back to back; its window block begins with
// "Placement" 0, "Width" 590 and "Height" 685, big-endian, and a radio
// button's `Value` is one byte where a scroll bar's is four.
TEST(BlockEncoding, BlocksAreStoredBackToBackBigEndianAndReadByTheWidthOfTheirClass) {
  const fw::WindowBlocks start = Start1Window::Blocks();
  EXPECT_EQ(start.blocks.back().offset + start.blocks.back().length, start.bytes.size());
  const auto begins = "Placement \0\0\0\0Width \0\0\x02\x4EHeight \0\0\x02\xAD"sv;
  EXPECT_TRUE(std::equal(begins.begin(), begins.end(), start.bytes.begin(),
                         [](char a, unsigned char b) { return static_cast<unsigned char>(a) == b; }));
  EXPECT_TRUE(fw::BlockRecords(Bytes("Value \x01"sv), BlockClass::RadioButton).Flag("Value"));
  EXPECT_EQ(fw::BlockRecords(Bytes("Value \0\0\0\x0C"sv), BlockClass::ScrollBar).Integer("Value"), 12);
}

TEST(BlockEncoding, MalformedBlocksAreRefused) {
  // No such record, whatever width its value would have.
  for (std::string_view bad : {"Colour \0\0\0"sv, "Colour \0\0\0\0"sv, "Colour \x01"sv,
                               "Left \0\0"sv,                     // integer cut short
                               "Text \0\0\0\x09" "abc"sv,         // text beyond the block
                               "Value \x01"sv,                    // a label has no Value
                               "Visible"sv}) {                    // name without a value
    EXPECT_THROW(fw::DecodeBlock(Bytes(bad), BlockClass::StaticText), fw::MalformedBlock) << bad;
  }
  // Read with the wrong class, a radio button's block loses step.
  EXPECT_THROW(fw::DecodeBlock(Bytes("Value \x01Visible \x01"sv), BlockClass::ScrollBar), fw::MalformedBlock);
}

}  // namespace
