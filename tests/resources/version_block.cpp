#include "tests/resources/version_block.h"

#include <stdexcept>

#include "tests/resources/resource_reading.h"

namespace resource_tests {
namespace {

std::size_t AlignedTo4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// A node: length, value length, type (1 text, 0 binary), zero-ended key, padding, value, padding,
// children. A text value's length counts UTF-16 units, its terminating zero included.
VersionNode ParseNode(std::span<const std::uint8_t> block, std::size_t start, std::size_t& end) {
  const std::size_t length = ReadU16(block, start);
  const std::size_t valueLength = ReadU16(block, start + 2);
  const std::uint16_t type = ReadU16(block, start + 4);
  end = start + length;
  if (length < 6 || end > block.size() || type > 1) throw std::runtime_error("malformed version node");

  VersionNode node;
  node.isText = type == 1;
  std::size_t offset = start + 6;
  for (std::uint16_t unit; (unit = ReadU16(block, offset)) != 0; offset += 2)
    node.key += static_cast<wchar_t>(unit);
  offset = AlignedTo4(offset + 2);

  const std::size_t valueBytes = node.isText ? 2 * valueLength : valueLength;
  if (offset + valueBytes > end) throw std::runtime_error("version value runs past its node");
  node.value.assign(block.begin() + offset, block.begin() + offset + valueBytes);
  // A node that only groups its children (StringFileInfo, a string table) has no value at all.
  if (node.isText && valueBytes > 0) {
    if (ReadU16(node.value, valueBytes - 2) != 0)
      throw std::runtime_error("version text without its terminating zero");
    node.value.resize(valueBytes - 2);
  }
  offset = AlignedTo4(offset + valueBytes);

  while (offset < end) {
    std::size_t childEnd = 0;
    node.children.push_back(ParseNode(block, offset, childEnd));
    if (childEnd > end) throw std::runtime_error("version child runs past its parent");
    offset = AlignedTo4(childEnd);
  }
  return node;
}

}  // namespace

std::wstring VersionNode::Text() const {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < value.size(); i += 2) text += static_cast<wchar_t>(ReadU16(value, i));
  return text;
}

const VersionNode& VersionNode::Child(const std::wstring& childKey) const {
  for (const VersionNode& child : children) {
    if (child.key == childKey) return child;
  }
  throw std::runtime_error("version node has no such child");
}

VersionNode ParseVersionBlock(std::span<const std::uint8_t> block) {
  std::size_t end = 0;
  VersionNode root = ParseNode(block, 0, end);
  if (end != block.size()) throw std::runtime_error("bytes after the version tree");
  return root;
}

}  // namespace resource_tests
