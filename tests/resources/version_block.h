// The tree of a version resource (VS_VERSIONINFO): each node a key, a value and its children.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace resource_tests {

struct VersionNode {
  std::wstring key;
  bool isText = false;
  std::vector<std::uint8_t> value;  // text without its terminating zero, as UTF-16LE bytes
  std::vector<VersionNode> children;

  std::wstring Text() const;
  const VersionNode& Child(const std::wstring& childKey) const;  // throws when there is none
};

// Throws when the block is not well formed.
VersionNode ParseVersionBlock(std::span<const std::uint8_t> block);

}  // namespace resource_tests
