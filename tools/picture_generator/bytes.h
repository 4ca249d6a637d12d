// Little-endian byte output for the file formats of the pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

inline void AppendU8(Bytes& out, unsigned value) { out.push_back(static_cast<std::uint8_t>(value)); }

inline void AppendU16(Bytes& out, unsigned value) {
  AppendU8(out, value & 0xFF);
  AppendU8(out, (value >> 8) & 0xFF);
}

inline void AppendU32(Bytes& out, std::uint32_t value) {
  AppendU16(out, value & 0xFFFF);
  AppendU16(out, value >> 16);
}

inline void AppendBytes(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

}  // namespace pictures
