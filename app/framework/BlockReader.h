// Reads a property block: the records back to back, each a name, a blank and
// a value whose width follows from the name (and, for `Value`, the class).
// Records may come in any order; each is taken by its name.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/framework/PropertyTables.h"

namespace fw {

struct Record {
  std::string_view name;
  ValueKind kind;
  std::int32_t integer = 0;   // Integer
  std::uint32_t colour = 0;   // Colour, 0xRRGGBB
  bool flag = false;          // Boolean
  std::string_view text;      // Text (UTF-8), a view into the block
};

// A block that does not parse under the width table.
class MalformedBlock : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every record of the block, in stored order. Throws MalformedBlock for a name
// outside the width table or a value running past the block's end.
std::vector<Record> DecodeBlock(std::span<const unsigned char> block, BlockClass cls);

// The records taken by name: later lookups do not depend on the stored order.
class BlockRecords {
 public:
  BlockRecords(std::span<const unsigned char> block, BlockClass cls);

  BlockClass Class() const { return cls_; }
  const std::vector<Record>& Records() const { return records_; }
  const Record* Find(std::string_view name) const;

  // The value of a record, or the fallback when the block lacks it.
  std::int32_t Integer(std::string_view name, std::int32_t fallback = 0) const;
  std::uint32_t Colour(std::string_view name, std::uint32_t fallback = 0) const;
  bool Flag(std::string_view name, bool fallback = false) const;
  std::string_view Text(std::string_view name, std::string_view fallback = {}) const;

 private:
  BlockClass cls_;
  std::vector<Record> records_;
};

}  // namespace fw
