#include "tools/picture_generator/palette.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace pictures {
namespace {

constexpr std::size_t kPaletteSize = 256;

using Channels = std::array<int, 3>;

Channels ChannelsOf(const Rgba& pixel) { return {pixel.red, pixel.green, pixel.blue}; }

// A box of colours that median cut splits further.
struct ColourBox {
  std::vector<Channels> colours;

  int WidestChannel() const {
    int widest = 0;
    int widestRange = -1;
    for (int channel = 0; channel < 3; ++channel) {
      const auto [low, high] = std::minmax_element(
          colours.begin(), colours.end(),
          [channel](const Channels& a, const Channels& b) { return a[channel] < b[channel]; });
      const int range = (*high)[channel] - (*low)[channel];
      if (range > widestRange) {
        widest = channel;
        widestRange = range;
      }
    }
    return widest;
  }

  int Range() const {
    const int channel = WidestChannel();
    int low = 255, high = 0;
    for (const Channels& c : colours) {
      low = std::min(low, c[channel]);
      high = std::max(high, c[channel]);
    }
    return high - low;
  }

  Rgba Average() const {
    long long sums[3] = {0, 0, 0};
    for (const Channels& c : colours) {
      for (int channel = 0; channel < 3; ++channel) sums[channel] += c[channel];
    }
    const long long count = static_cast<long long>(colours.size());
    auto average = [count](long long sum) { return static_cast<std::uint8_t>((sum + count / 2) / count); };
    return {average(sums[0]), average(sums[1]), average(sums[2]), 255};
  }
};

std::vector<ColourBox> MedianCut(std::vector<Channels> colours, std::size_t boxCount) {
  std::vector<ColourBox> boxes{{std::move(colours)}};
  while (boxes.size() < boxCount) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const ColourBox& a, const ColourBox& b) {
      return a.Range() < b.Range();
    });
    if (widest->Range() == 0) break;
    const int channel = widest->WidestChannel();
    std::vector<Channels>& c = widest->colours;
    std::stable_sort(c.begin(), c.end(),
                     [channel](const Channels& a, const Channels& b) { return a[channel] < b[channel]; });
    // Split at the median, but never between two equal values, so neither half is empty.
    std::size_t split = c.size() / 2;
    while (split > 0 && c[split - 1][channel] == c[split][channel]) --split;
    if (split == 0) {
      split = c.size() / 2;
      while (split < c.size() && c[split - 1][channel] == c[split][channel]) ++split;
    }
    ColourBox upper{{c.begin() + split, c.end()}};
    c.erase(c.begin() + split, c.end());
    boxes.push_back(std::move(upper));
  }
  return boxes;
}

std::uint8_t NearestEntry(const std::vector<Rgba>& palette, const Rgba& pixel) {
  std::uint8_t nearest = 0;
  int nearestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 1; i < palette.size(); ++i) {
    const int dr = palette[i].red - pixel.red;
    const int dg = palette[i].green - pixel.green;
    const int db = palette[i].blue - pixel.blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < nearestDistance) {
      nearest = static_cast<std::uint8_t>(i);
      nearestDistance = distance;
    }
  }
  return nearest;
}

}  // namespace

bool IsOpaqueEnough(const Rgba& pixel) { return pixel.alpha >= 128; }

IndexedImage ReduceTo256Colours(const Image& image) {
  std::vector<Channels> opaque;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (IsOpaqueEnough(image.At(x, y))) opaque.push_back(ChannelsOf(image.At(x, y)));
    }
  }
  IndexedImage reduced;
  reduced.palette.push_back({0, 0, 0, 0});
  if (!opaque.empty()) {
    for (const ColourBox& box : MedianCut(std::move(opaque), kPaletteSize - 1)) {
      reduced.palette.push_back(box.Average());
    }
  }
  const std::size_t used = reduced.palette.size();
  reduced.palette.resize(kPaletteSize, Rgba{0, 0, 0, 0});
  const std::vector<Rgba> usedEntries(reduced.palette.begin(), reduced.palette.begin() + used);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& pixel = image.At(x, y);
      reduced.indices.push_back(IsOpaqueEnough(pixel) ? NearestEntry(usedEntries, pixel) : 0);
    }
  }
  return reduced;
}

}  // namespace pictures
