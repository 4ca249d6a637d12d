#include "tools/picture_generator/icon_file.h"

#include <utility>

#include "tools/picture_generator/dib.h"
#include "tools/picture_generator/palette.h"

namespace pictures {
namespace {

constexpr std::size_t kFileHeaderBytes = 6;
constexpr std::size_t kFileEntryBytes = 16;

void AppendDirectoryHeader(Bytes& out, DirectoryKind kind, std::size_t count) {
  AppendU16(out, 0);
  AppendU16(out, static_cast<unsigned>(kind));
  AppendU16(out, static_cast<unsigned>(count));
}

// Width and height 256 are stored as 0.
void AppendEntryStart(Bytes& out, const DirectoryEntry& entry) {
  AppendU8(out, entry.width & 0xFF);
  AppendU8(out, entry.height & 0xFF);
  AppendU8(out, entry.colourCount);
  AppendU8(out, 0);
  AppendU16(out, entry.planesOrHotspotX);
  AppendU16(out, entry.bitsPerPixelOrHotspotY);
  AppendU32(out, static_cast<std::uint32_t>(entry.dib.size()));
}

DirectoryEntry IconEntry(const Image& image, int bitsPerPixel, Bytes dib) {
  return {image.Width(), image.Height(), 0, 1, bitsPerPixel, std::move(dib)};
}

}  // namespace

Bytes DirectoryFile(DirectoryKind kind, const std::vector<DirectoryEntry>& entries) {
  Bytes out;
  AppendDirectoryHeader(out, kind, entries.size());
  std::size_t offset = kFileHeaderBytes + kFileEntryBytes * entries.size();
  for (const DirectoryEntry& entry : entries) {
    AppendEntryStart(out, entry);
    AppendU32(out, static_cast<std::uint32_t>(offset));
    offset += entry.dib.size();
  }
  for (const DirectoryEntry& entry : entries) AppendBytes(out, entry.dib);
  return out;
}

Bytes IconGroupResource(const std::vector<DirectoryEntry>& entries, int firstImageId) {
  Bytes out;
  AppendDirectoryHeader(out, DirectoryKind::kIcon, entries.size());
  int id = firstImageId;
  for (const DirectoryEntry& entry : entries) {
    AppendEntryStart(out, entry);
    AppendU16(out, id++);
  }
  return out;
}

DirectoryEntry IconImage8(const Image& image) {
  const int width = image.Width();
  const int height = image.Height();
  const IndexedImage indexed = ReduceTo256Colours(image);
  const Bytes mask =
      TransparencyMask(width, height, [&](int x, int y) { return !IsOpaqueEnough(image.At(x, y)); });
  const std::size_t rowBytes = RowBytes(width, 8);

  Bytes dib;
  AppendInfoHeader(dib, width, 2 * height, 8, rowBytes * height + mask.size(), 0);
  for (const Rgba& entry : indexed.palette) {
    AppendU8(dib, entry.blue);
    AppendU8(dib, entry.green);
    AppendU8(dib, entry.red);
    AppendU8(dib, 0);
  }
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) AppendU8(dib, indexed.indices[y * width + x]);
    dib.resize(dib.size() + rowBytes - width, 0);
  }
  AppendBytes(dib, mask);
  return IconEntry(image, 8, std::move(dib));
}

DirectoryEntry IconImage32(const Image& image) {
  const int width = image.Width();
  const int height = image.Height();
  const Bytes mask = TransparencyMask(width, height, [&](int x, int y) { return image.At(x, y).alpha == 0; });

  Bytes dib;
  AppendInfoHeader(dib, width, 2 * height, 32, RowBytes(width, 32) * height + mask.size(), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Rgba& pixel = image.At(x, y);
      AppendU8(dib, pixel.blue);
      AppendU8(dib, pixel.green);
      AppendU8(dib, pixel.red);
      AppendU8(dib, pixel.alpha);
    }
  }
  AppendBytes(dib, mask);
  return IconEntry(image, 32, std::move(dib));
}

}  // namespace pictures
