#include "app/framework/BlockReader.h"

namespace fw {

namespace {

std::uint32_t ReadBigEndian(std::span<const unsigned char> bytes, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = 0; i < width; ++i) v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
  return v;
}

void Require(std::span<const unsigned char> block, std::size_t at, std::size_t width,
             std::string_view name) {
  if (block.size() - at < width)
    throw MalformedBlock("value of " + std::string(name) + " runs past the end of the block");
}

}  // namespace

std::vector<Record> DecodeBlock(std::span<const unsigned char> block, BlockClass cls) {
  std::vector<Record> records;
  std::size_t at = 0;
  while (at < block.size()) {
    const std::size_t nameStart = at;
    while (at < block.size() && block[at] != 0x20) ++at;
    if (at == block.size()) throw MalformedBlock("record name without a value");
    Record r;
    r.name = std::string_view(reinterpret_cast<const char*>(block.data() + nameStart),
                              at - nameStart);
    ++at;  // the blank
    const auto kind = KindOf(r.name, cls);
    if (!kind) throw MalformedBlock("unknown record " + std::string(r.name));
    r.kind = *kind;
    switch (r.kind) {
      case ValueKind::Text: {
        Require(block, at, 4, r.name);
        const std::uint32_t count = ReadBigEndian(block, at, 4);
        at += 4;
        Require(block, at, count, r.name);
        r.text = std::string_view(reinterpret_cast<const char*>(block.data() + at), count);
        at += count;
        break;
      }
      case ValueKind::Colour:
        Require(block, at, 3, r.name);
        r.colour = ReadBigEndian(block, at, 3);
        at += 3;
        break;
      case ValueKind::Integer:
        Require(block, at, 4, r.name);
        r.integer = static_cast<std::int32_t>(ReadBigEndian(block, at, 4));
        at += 4;
        break;
      case ValueKind::Boolean:
        Require(block, at, 1, r.name);
        r.flag = block[at] != 0;
        at += 1;
        break;
    }
    records.push_back(r);
  }
  return records;
}

BlockRecords::BlockRecords(std::span<const unsigned char> block, BlockClass cls)
    : cls_(cls), records_(DecodeBlock(block, cls)) {}

const Record* BlockRecords::Find(std::string_view name) const {
  for (const Record& r : records_)
    if (r.name == name) return &r;
  return nullptr;
}

std::int32_t BlockRecords::Integer(std::string_view name, std::int32_t fallback) const {
  const Record* r = Find(name);
  return r && r->kind == ValueKind::Integer ? r->integer : fallback;
}

std::uint32_t BlockRecords::Colour(std::string_view name, std::uint32_t fallback) const {
  const Record* r = Find(name);
  return r && r->kind == ValueKind::Colour ? r->colour : fallback;
}

bool BlockRecords::Flag(std::string_view name, bool fallback) const {
  const Record* r = Find(name);
  return r && r->kind == ValueKind::Boolean ? r->flag : fallback;
}

std::string_view BlockRecords::Text(std::string_view name, std::string_view fallback) const {
  const Record* r = Find(name);
  return r && r->kind == ValueKind::Text ? r->text : fallback;
}

}  // namespace fw
