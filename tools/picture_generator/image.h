// A straight-alpha RGBA picture, top row first.
#pragma once

#include <cstdint>
#include <vector>

namespace pictures {

struct Rgba {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;

  friend bool operator==(const Rgba&, const Rgba&) = default;
};

class Image {
 public:
  Image(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba& At(int x, int y) { return pixels_[y * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[y * width_ + x]; }

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

}  // namespace pictures
