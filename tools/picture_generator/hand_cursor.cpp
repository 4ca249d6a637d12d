#include "tools/picture_generator/hand_cursor.h"

#include <array>

#include "tools/picture_generator/dib.h"
#include "tools/picture_generator/icon_file.h"

namespace pictures {
namespace {

constexpr int kSize = 32;

enum class Ink { kClear, kBlack, kWhite };

using Grid = std::array<std::array<Ink, kSize>, kSize>;

struct Cells {
  int left, top, right, bottom;  // inclusive
};

// The hand's white inside, as blocks of pixels; the outline follows from it. The index finger is two
// pixels wide at columns 6 and 7, so its black tip lies on the top row at those columns.
constexpr Cells kHandInside[] = {
    {6, 1, 7, 12},    // index finger
    {9, 7, 10, 12},   // middle finger, bent
    {12, 8, 13, 12},  // ring finger, bent
    {15, 9, 16, 13},  // little finger, bent
    {6, 13, 16, 17},  // palm
    {7, 18, 15, 19},  // heel of the hand
    {8, 20, 14, 20},  // wrist
    {1, 11, 2, 12},   // thumb tip
    {2, 13, 5, 13},   // thumb
    {3, 14, 5, 15},   // thumb root
    {4, 16, 5, 16},   // where the thumb meets the palm
};

Grid DrawHand() {
  Grid grid{};
  for (const Cells& cells : kHandInside) {
    for (int y = cells.top; y <= cells.bottom; ++y) {
      for (int x = cells.left; x <= cells.right; ++x) grid[y][x] = Ink::kWhite;
    }
  }
  // Outline: every clear pixel that touches the inside along an edge (not only at a corner), which
  // keeps the tip on the top row two pixels wide.
  Grid outlined = grid;
  auto isInside = [&grid](int x, int y) {
    return x >= 0 && y >= 0 && x < kSize && y < kSize && grid[y][x] == Ink::kWhite;
  };
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (grid[y][x] == Ink::kClear &&
          (isInside(x - 1, y) || isInside(x + 1, y) || isInside(x, y - 1) || isInside(x, y + 1))) {
        outlined[y][x] = Ink::kBlack;
      }
    }
  }
  return outlined;
}

}  // namespace

Bytes HandCursorFile() {
  const Grid hand = DrawHand();
  const std::size_t rowBytes = RowBytes(kSize, 1);
  const Bytes mask = TransparencyMask(kSize, kSize, [&](int x, int y) { return hand[y][x] == Ink::kClear; });

  Bytes dib;
  AppendInfoHeader(dib, kSize, 2 * kSize, 1, rowBytes * kSize + mask.size(), 2);
  AppendU32(dib, 0x00000000);  // palette entry 0: black
  AppendU32(dib, 0x00FFFFFF);  // palette entry 1: white
  for (int y = kSize - 1; y >= 0; --y) {
    Bytes row(rowBytes, 0);
    for (int x = 0; x < kSize; ++x) {
      if (hand[y][x] == Ink::kWhite) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    AppendBytes(dib, row);
  }
  AppendBytes(dib, mask);

  constexpr int kHotspotX = 0;
  constexpr int kHotspotY = 0;
  return DirectoryFile(DirectoryKind::kCursor, {{kSize, kSize, 2, kHotspotX, kHotspotY, dib}});
}

}  // namespace pictures
