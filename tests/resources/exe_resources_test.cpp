// The resources that the built executable carries: the exact set, the pictures as the system loads
// them, the manifest and the version block.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/resources/resource_reading.h"
#include "tests/resources/version_block.h"

namespace resource_tests {
namespace {

constexpr LANGID kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
constexpr LANGID kEnglishUk = 0x0809;
constexpr LANGID kEnglishUs = 0x0409;
// Resource types by number: the RT_ names are pointers, not numbers.
constexpr WORD kCursorImageType = 1;
constexpr WORD kBitmapType = 2;
constexpr WORD kIconImageType = 3;
constexpr WORD kCursorGroupType = 12;
constexpr WORD kIconGroupType = 14;
constexpr WORD kVersionType = 16;
constexpr WORD kManifestType = 24;
constexpr WORD kManifestId = 1;
constexpr WORD kVersionId = 1;

struct IconImageFacts {
  int size;
  int bitsPerPixel;
  std::uint32_t bytes;
};

// In the order of the group; the images are numbered from IDI_PROGRAM_ICON_FIRST_IMAGE.
constexpr IconImageFacts kIconImages[PROGRAM_ICON_IMAGE_COUNT] = {
    {32, 8, 2216},  {16, 8, 1384},  {256, 32, 270376}, {128, 32, 67624},
    {48, 32, 9640}, {32, 32, 4264}, {16, 32, 1128},
};

// Lower case, so that the suite answers to "ctest -R resource".
class exe_resources : public testing::Test {
 protected:
  exe_resources() : exePath_(WindowsPathFromEnvironment("KELVORN_EXE")), exe_(exePath_) {}

  HMODULE Module() const { return exe_.Get(); }
  std::span<const std::uint8_t> Resource(WORD type, WORD id, LANGID language) const {
    return ResourceBytes(Module(), type, id, language);
  }
  static std::filesystem::path CommittedFile(const std::string& name) {
    return std::filesystem::path(WindowsPathFromEnvironment("KELVORN_SOURCE_DIR")) / "resources" / name;
  }

  std::wstring exePath_;
  ResourceModule exe_;
};

std::string Entry(int type, int id, LANGID language) {
  char text[64];
  std::snprintf(text, sizeof text, "type %d, id %d, language 0x%04X", type, id, language);
  return text;
}

// The one image of the cursor group, whose number the resource compiler chooses.
WORD CursorImageId(std::span<const std::uint8_t> group) {
  if (ReadU16(group, 4) != 1) throw std::runtime_error("the cursor group should hold one image");
  return ReadU16(group, 6 + 12);
}

void ExpectIconSize(HICON icon, int width, int height) {
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP mask{};
  ASSERT_NE(GetObjectW(info.hbmMask, sizeof mask, &mask), 0);
  if (info.hbmColor) {
    BITMAP colour{};
    ASSERT_NE(GetObjectW(info.hbmColor, sizeof colour, &colour), 0);
    EXPECT_EQ(colour.bmWidth, width);
    EXPECT_EQ(colour.bmHeight, height);
    DeleteObject(info.hbmColor);
  }
  EXPECT_EQ(mask.bmWidth, width);
  DeleteObject(info.hbmMask);
}

TEST_F(exe_resources, HoldExactlyTheProgramsResources) {
  const WORD cursorImage = CursorImageId(Resource(kCursorGroupType, IDC_HAND_CURSOR, kNeutral));
  std::vector<std::string> expected = {
      Entry(kIconGroupType, IDI_PROGRAM_ICON, kNeutral), Entry(kCursorGroupType, IDC_HAND_CURSOR, kNeutral),
      Entry(kCursorImageType, cursorImage, kNeutral),    Entry(kBitmapType, IDB_FOLDER_PICTURE, kNeutral),
      Entry(kManifestType, kManifestId, kEnglishUk),     Entry(kVersionType, kVersionId, kEnglishUs),
  };
  for (int i = 0; i < PROGRAM_ICON_IMAGE_COUNT; ++i)
    expected.push_back(Entry(kIconImageType, IDI_PROGRAM_ICON_FIRST_IMAGE + i, kNeutral));
  std::vector<std::string> found = ListResources(Module());
  std::sort(expected.begin(), expected.end());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, expected);
}

TEST_F(exe_resources, IconGroupListsTheSevenImagesInOrder) {
  const auto group = Resource(kIconGroupType, IDI_PROGRAM_ICON, kNeutral);
  ASSERT_EQ(group.size(), 6u + 14u * PROGRAM_ICON_IMAGE_COUNT);
  EXPECT_EQ(ReadU16(group, 0), 0);
  EXPECT_EQ(ReadU16(group, 2), 1);  // icon
  ASSERT_EQ(ReadU16(group, 4), PROGRAM_ICON_IMAGE_COUNT);
  for (int i = 0; i < PROGRAM_ICON_IMAGE_COUNT; ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    const std::size_t entry = 6 + 14 * i;
    const IconImageFacts& facts = kIconImages[i];
    EXPECT_EQ(group[entry], facts.size & 0xFF);  // 256 is stored as 0
    EXPECT_EQ(group[entry + 1], facts.size & 0xFF);
    EXPECT_EQ(group[entry + 2], 0);  // colour count: 0 from 256 colours up
    EXPECT_EQ(ReadU16(group, entry + 4), 1);
    EXPECT_EQ(ReadU16(group, entry + 6), facts.bitsPerPixel);
    EXPECT_EQ(ReadU32(group, entry + 8), facts.bytes);
    EXPECT_EQ(ReadU16(group, entry + 12), IDI_PROGRAM_ICON_FIRST_IMAGE + i);
  }
}

TEST_F(exe_resources, IconImagesAreUncompressedBitmapsThatTheSystemAccepts) {
  for (int i = 0; i < PROGRAM_ICON_IMAGE_COUNT; ++i) {
    const IconImageFacts& facts = kIconImages[i];
    const int id = IDI_PROGRAM_ICON_FIRST_IMAGE + i;
    SCOPED_TRACE("image " + std::to_string(id));
    const auto image = Resource(kIconImageType, static_cast<WORD>(id), kNeutral);
    ASSERT_EQ(image.size(), facts.bytes);
    const BITMAPINFOHEADER header = ReadInfoHeader(image, 0);
    EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(header.biWidth, facts.size);
    EXPECT_EQ(header.biHeight, 2 * facts.size);  // colour rows and mask rows
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, facts.bitsPerPixel);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

    const std::size_t palette = facts.bitsPerPixel == 8 ? 256 * 4 : 0;
    const std::size_t colourRow = (facts.size * facts.bitsPerPixel + 31) / 32 * 4;
    const std::size_t maskRow = (facts.size + 31) / 32 * 4;
    EXPECT_EQ(image.size(), sizeof(BITMAPINFOHEADER) + palette + (colourRow + maskRow) * facts.size);

    HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(image.data()), static_cast<DWORD>(image.size()),
                                          TRUE, 0x00030000, facts.size, facts.size, LR_DEFAULTCOLOR);
    ExpectIconSize(icon, facts.size, facts.size);
    if (icon) DestroyIcon(icon);
  }
}

TEST_F(exe_resources, IconLoadsFromTheModuleAtEverySize) {
  for (int size : {16, 32, 48, 128, 256}) {
    SCOPED_TRACE("size " + std::to_string(size));
    HICON icon = static_cast<HICON>(
        LoadImageW(Module(), MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON, size, size, 0));
    ExpectIconSize(icon, size, size);
    if (icon) DestroyIcon(icon);
  }
}

TEST_F(exe_resources, HandCursorIsOne32By32MonochromeImageWithHotspotAtTopLeft) {
  const auto group = Resource(kCursorGroupType, IDC_HAND_CURSOR, kNeutral);
  ASSERT_EQ(group.size(), 6u + 14u);
  EXPECT_EQ(ReadU16(group, 2), 2);  // cursor
  EXPECT_EQ(ReadU16(group, 6), 32);
  EXPECT_EQ(ReadU16(group, 8), 64);  // colour rows and mask rows
  EXPECT_EQ(ReadU16(group, 10), 1);
  EXPECT_EQ(ReadU16(group, 12), 1);

  const auto image = Resource(kCursorImageType, CursorImageId(group), kNeutral);
  EXPECT_EQ(ReadU32(group, 14), image.size());
  EXPECT_EQ(ReadU16(image, 0), 0);  // hotspot x
  EXPECT_EQ(ReadU16(image, 2), 0);  // hotspot y
  const BITMAPINFOHEADER header = ReadInfoHeader(image, 4);
  EXPECT_EQ(header.biWidth, 32);
  EXPECT_EQ(header.biHeight, 64);
  EXPECT_EQ(header.biBitCount, 1);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
  ASSERT_EQ(image.size(), 4u + 40u + 8u + 128u + 128u);
  EXPECT_EQ(ReadU32(image, 44), 0x000000u);  // black
  EXPECT_EQ(ReadU32(image, 48), 0xFFFFFFu);  // white

  HCURSOR cursor = static_cast<HCURSOR>(
      LoadImageW(Module(), MAKEINTRESOURCEW(IDC_HAND_CURSOR), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 0u);
  EXPECT_EQ(info.yHotspot, 0u);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyCursor(cursor);
}

// What the user sees of the cursor: the hand within the top-left 18 by 22 pixels, the fingertip on
// the top row at columns 6 and 7, white inside a black outline.
TEST_F(exe_resources, HandCursorShowsTheFingertipAtTheHotspotRow) {
  const auto image = Resource(kCursorImageType,
                              CursorImageId(Resource(kCursorGroupType, IDC_HAND_CURSOR, kNeutral)), kNeutral);
  constexpr std::size_t kColourRows = 4 + 40 + 8;
  constexpr std::size_t kMaskRows = kColourRows + 128;
  ASSERT_EQ(image.size(), kMaskRows + 128);
  // Rows are stored bottom first, four bytes each.
  auto bit = [&](std::size_t start, int x, int y) {
    return (image[start + (31 - y) * 4 + x / 8] >> (7 - x % 8)) & 1;
  };
  auto shown = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < 32 && y < 32 && bit(kMaskRows, x, y) == 0;
  };
  auto white = [&](int x, int y) { return bit(kColourRows, x, y) == 1; };

  std::vector<int> topRow;
  int whitePixels = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (!shown(x, y)) {
        EXPECT_FALSE(white(x, y)) << "a see-through pixel inverts the screen at " << x << "," << y;
        continue;
      }
      EXPECT_TRUE(x < 18 && y < 22) << "pixel outside the hand's box at " << x << "," << y;
      if (y == 0) topRow.push_back(x);
      if (white(x, y)) {
        ++whitePixels;
        const bool borderedByOutline =
            shown(x - 1, y) && shown(x + 1, y) && shown(x, y - 1) && shown(x, y + 1);
        EXPECT_TRUE(borderedByOutline) << "white pixel on the edge at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(topRow, (std::vector<int>{6, 7}));
  EXPECT_FALSE(white(6, 0));
  EXPECT_FALSE(white(7, 0));
  EXPECT_GT(whitePixels, 100);
}

TEST_F(exe_resources, FolderPictureIsThe37By39TrueColourBitmap) {
  const auto bitmap = Resource(kBitmapType, IDB_FOLDER_PICTURE, kNeutral);
  const BITMAPINFOHEADER header = ReadInfoHeader(bitmap, 0);
  EXPECT_EQ(header.biWidth, 37);
  EXPECT_EQ(header.biHeight, 39);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
  const Bytes file = ReadWholeFile(CommittedFile("folder_picture.bmp"));
  ASSERT_GT(file.size(), 14u);
  EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), file.begin() + 14, file.end()))
      << "the resource should be the committed bitmap without its file header";

  HBITMAP loaded = static_cast<HBITMAP>(
      LoadImageW(Module(), MAKEINTRESOURCEW(IDB_FOLDER_PICTURE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(loaded, nullptr);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(loaded, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmWidth, 37);
  EXPECT_EQ(section.dsBm.bmHeight, 39);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
  DeleteObject(loaded);
}

TEST_F(exe_resources, IconImagesAreTheCommittedPieces) {
  const auto group = Resource(kIconGroupType, IDI_PROGRAM_ICON, kNeutral);
  const Bytes groupFile = ReadWholeFile(CommittedFile("program_icon_parts/group.bin"));
  EXPECT_TRUE(std::equal(group.begin(), group.end(), groupFile.begin(), groupFile.end()));
  for (int i = 0; i < PROGRAM_ICON_IMAGE_COUNT; ++i) {
    const int id = IDI_PROGRAM_ICON_FIRST_IMAGE + i;
    SCOPED_TRACE("image " + std::to_string(id));
    const auto image = Resource(kIconImageType, static_cast<WORD>(id), kNeutral);
    const Bytes file =
        ReadWholeFile(CommittedFile("program_icon_parts/image_" + std::to_string(id) + ".dib"));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), file.begin(), file.end()));
  }
}

TEST_F(exe_resources, ManifestIsTheCommitted600ByteFile) {
  const auto manifest = Resource(kManifestType, kManifestId, kEnglishUk);
  const Bytes file = ReadWholeFile(CommittedFile("program.manifest"));
  EXPECT_TRUE(std::equal(manifest.begin(), manifest.end(), file.begin(), file.end()));
  ASSERT_EQ(manifest.size(), 600u);

  const std::string_view text(reinterpret_cast<const char*>(manifest.data()), manifest.size());
  EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"))
      << "no byte-order mark, the declaration first";
  EXPECT_FALSE(text.ends_with("\n"));
  EXPECT_TRUE(text.ends_with("</assembly>"));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
    }
  }
  for (std::string_view absent : {"trustInfo", "requestedExecutionLevel"}) {
    EXPECT_EQ(text.find(absent), std::string_view::npos) << absent;
  }
  const std::string_view required[] = {
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">",
      "type=\"win32\" processorArchitecture=\"*\" version=\"6.0.0.0\" name=\"name\"",
      "<description>XP Manifest           </description>",
      "name=\"Microsoft.Windows.Common-Controls\"",
      "language=\"*\"",
      "publicKeyToken=\"6595b64144ccf1df\"",
  };
  for (std::string_view fragment : required)
    EXPECT_NE(text.find(fragment), std::string_view::npos) << fragment;
}

// The manifest's dependency makes the loader take comctl32 from the side-by-side assembly of the
// version 6 common controls rather than from the system folder.
TEST_F(exe_resources, ManifestBringsTheVersion6CommonControls) {
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = exePath_.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(kManifestId);
  HANDLE context = CreateActCtxW(&request);
  ASSERT_NE(context, INVALID_HANDLE_VALUE) << GetLastError();
  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context, &cookie));
  HMODULE controls = LoadLibraryW(L"comctl32.dll");
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(context);
  ASSERT_NE(controls, nullptr);

  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(controls, path, MAX_PATH);
  FreeLibrary(controls);
  ASSERT_GT(length, 0u);
  std::wstring loaded(path, length);
  CharLowerBuffW(loaded.data(), static_cast<DWORD>(loaded.size()));
  EXPECT_NE(loaded.find(L"\\winsxs\\"), std::wstring::npos) << path;
  EXPECT_NE(loaded.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
      << path;
}

TEST_F(exe_resources, VersionStringsInTheirOrder) {
  const VersionNode root = ParseVersionBlock(Resource(kVersionType, kVersionId, kEnglishUs));
  EXPECT_EQ(root.key, L"VS_VERSION_INFO");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].key, L"StringFileInfo");
  EXPECT_EQ(root.children[1].key, L"VarFileInfo");
  const VersionNode& strings = root.Child(L"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  EXPECT_EQ(strings.children[0].key, L"040904B0");

  const std::vector<std::pair<std::wstring, std::wstring>> expected = {
      {L"Comments", L"Erasers Folders Autorun.inf"},
      {L"CompanyName", L"Quorvel Software"},
      {L"FileDescription", L"Erasers Folders Autorun.inf"},
      {L"LegalTrademarks", L"Quorvel Software"},
      {L"ProductName", L"Kelvorn Drast"},
      {L"FileVersion", L"2.01"},
      {L"ProductVersion", L"2.01"},
      {L"InternalName", L"Kelvorn Drast"},
      {L"OriginalFilename", L"Kelvorn Drast.exe"},
  };
  std::vector<std::pair<std::wstring, std::wstring>> found;
  for (const VersionNode& entry : strings.children[0].children) {
    EXPECT_TRUE(entry.isText) << entry.key;
    found.emplace_back(entry.key, entry.Text());
  }
  EXPECT_EQ(found, expected);
}

TEST_F(exe_resources, VersionFixedPartAndTranslationAsTheSystemReadsThem) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exePath_.c_str(), &ignored);
  ASSERT_NE(size, 0u) << GetLastError();
  std::vector<std::uint8_t> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exePath_.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedBytes = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedBytes));
  ASSERT_EQ(fixedBytes, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020001u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00020001u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileSubtype, 0u);
  EXPECT_EQ(fixed->dwFileDateMS, 0u);
  EXPECT_EQ(fixed->dwFileDateLS, 0u);

  WORD* translation = nullptr;
  UINT translationBytes = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &translationBytes));
  ASSERT_EQ(translationBytes, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1200);
}

}  // namespace
}  // namespace resource_tests
