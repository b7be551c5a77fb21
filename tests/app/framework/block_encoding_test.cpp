// The packed block format: what the compile-time encoder writes and what the
// reader takes from it.
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
// "Placement" 0, "Width" 590 and "Height" 685, big-endian, a radio button's
// `Value` is one byte where a scroll bar's is four, and a colour three.
TEST(BlockEncoding, BlocksAreStoredBackToBackBigEndianAndReadByTheWidthOfTheirClass) {
  const fw::WindowBlocks start = Start1Window::Blocks();
  EXPECT_EQ(start.blocks.back().offset + start.blocks.back().length, start.bytes.size());
  const auto begins = "Placement \0\0\0\0Width \0\0\x02\x4EHeight \0\0\x02\xAD"sv;
  EXPECT_TRUE(std::equal(begins.begin(), begins.end(), start.bytes.begin(),
                         [](char a, unsigned char b) { return static_cast<unsigned char>(a) == b; }));
  EXPECT_TRUE(fw::BlockRecords(Bytes("Value \x01"sv), BlockClass::RadioButton).Flag("Value"));
  EXPECT_EQ(fw::BlockRecords(Bytes("Value \0\0\0\x0C"sv), BlockClass::ScrollBar).Integer("Value"), 12);
  EXPECT_EQ(fw::BlockRecords(Bytes("TextColor \xFF\x80\x01"sv), BlockClass::StaticText).Colour("TextColor"), 0xFF8001u);
}

}  // namespace
