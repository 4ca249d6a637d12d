// Value types shared by the runtime and the windows built on it.
#pragma once

#include <cstdint>

namespace forms {

// A Boolean is 16 bits: True is all bits set.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// 0x00BBGGRR, as COLORREF.
using Color = std::uint32_t;
inline constexpr Color kWhite = 0x00FFFFFF;
inline constexpr Color kRed = 0x000000FF;
inline constexpr Color kBlue = 0x00FF0000;

}  // namespace forms
