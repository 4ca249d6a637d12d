// The committed pictures in resources/ are what the picture generator draws now, at their sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include "resources/resource_ids.h"
#include "tests/resources/resource_reading.h"

namespace resource_tests {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kGeneratorTimeoutMs = 60'000;

// Relative path to the file's bytes, for every file under the folder.
std::map<std::string, Bytes> FilesUnder(const fs::path& folder, bool (*wanted)(const fs::path& relative)) {
  std::map<std::string, Bytes> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = entry.path().lexically_relative(folder);
    if (wanted(relative)) files[relative.generic_string()] = ReadWholeFile(entry.path());
  }
  return files;
}

bool AnyFile(const fs::path&) { return true; }

// The generator's share of resources/: the pictures and the icon's pieces.
bool IsPictureFile(const fs::path& relative) {
  const fs::path extension = relative.extension();
  return relative.begin()->string() == "program_icon_parts" || extension == ".ico" || extension == ".cur" ||
         extension == ".bmp";
}

class resource_pictures : public testing::Test {
 protected:
  resource_pictures()
      : committed_(WindowsPathFromEnvironment("KELVORN_SOURCE_DIR") + L"\\resources"),
        drawn_(UniqueTempFolder()) {}

  ~resource_pictures() override {
    std::error_code ignored;  // a temp folder left behind harms no later run: every run picks a new name
    fs::remove_all(drawn_, ignored);
  }

  static fs::path UniqueTempFolder() {
    wchar_t temp[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, temp)) throw std::runtime_error("GetTempPathW failed");
    return fs::path(temp) / (L"kelvorn-pictures-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(GetTickCount64()));
  }

  void RunGenerator() {
    const std::wstring generator = WindowsPathFromUnix(PICTURE_GENERATOR_EXE);
    std::wstring commandLine = L"\"" + generator + L"\" \"" + drawn_.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(generator.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << GetLastError();
    const DWORD waited = WaitForSingleObject(process.hProcess, kGeneratorTimeoutMs);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the generator did not finish in time";
    ASSERT_EQ(exitCode, 0u);
  }

  fs::path committed_;
  fs::path drawn_;
};

TEST_F(resource_pictures, CommittedFilesAreWhatTheGeneratorDrawsNow) {
  ASSERT_NO_FATAL_FAILURE(RunGenerator());
  const std::map<std::string, Bytes> drawn = FilesUnder(drawn_, AnyFile);
  const std::map<std::string, Bytes> committed = FilesUnder(committed_, IsPictureFile);
  ASSERT_FALSE(drawn.empty());
  auto names = [](const std::map<std::string, Bytes>& files) {
    std::vector<std::string> list;
    for (const auto& [name, bytes] : files) list.push_back(name);
    return list;
  };
  ASSERT_EQ(names(committed), names(drawn));
  for (const auto& [name, bytes] : drawn) EXPECT_TRUE(committed.at(name) == bytes) << name << " differs";
}

TEST_F(resource_pictures, CommittedFilesHaveTheirSizes) {
  const std::pair<const char*, std::uintmax_t> sizes[] = {
      {"program_icon.ico", 356'750},
      {"hand_cursor.cur", 326},
      {"folder_picture.bmp", 4'422},
      {"program_icon_parts/group.bin", 6 + 14 * PROGRAM_ICON_IMAGE_COUNT},
  };
  for (const auto& [name, size] : sizes) EXPECT_EQ(fs::file_size(committed_ / name), size) << name;
}

// The .ico file and the pieces that the resource script takes hold the same images.
TEST_F(resource_pictures, IconFileHoldsTheSamePiecesAsTheResourceScript) {
  const Bytes icon = ReadWholeFile(committed_ / "program_icon.ico");
  const Bytes group = ReadWholeFile(committed_ / "program_icon_parts" / "group.bin");
  ASSERT_EQ(ReadU16(icon, 0), 0);
  ASSERT_EQ(ReadU16(icon, 2), 1);
  ASSERT_EQ(ReadU16(icon, 4), PROGRAM_ICON_IMAGE_COUNT);
  std::size_t expectedOffset = 6 + 16 * PROGRAM_ICON_IMAGE_COUNT;
  for (int i = 0; i < PROGRAM_ICON_IMAGE_COUNT; ++i) {
    const int id = IDI_PROGRAM_ICON_FIRST_IMAGE + i;
    SCOPED_TRACE("image " + std::to_string(id));
    const std::size_t fileEntry = 6 + 16 * i;
    const std::size_t groupEntry = 6 + 14 * i;
    // Both directories start an entry with the same 12 bytes: size, colours, planes, bits, byte count.
    EXPECT_TRUE(
        std::equal(icon.begin() + fileEntry, icon.begin() + fileEntry + 12, group.begin() + groupEntry));
    EXPECT_EQ(ReadU16(group, groupEntry + 12), id);
    const std::uint32_t bytes = ReadU32(icon, fileEntry + 8);
    const std::uint32_t offset = ReadU32(icon, fileEntry + 12);
    EXPECT_EQ(offset, expectedOffset);
    expectedOffset += bytes;
    ASSERT_LE(offset + bytes, icon.size());
    const Bytes piece =
        ReadWholeFile(committed_ / "program_icon_parts" / ("image_" + std::to_string(id) + ".dib"));
    EXPECT_TRUE(std::equal(icon.begin() + offset, icon.begin() + offset + bytes, piece.begin(), piece.end()));
  }
  EXPECT_EQ(expectedOffset, icon.size());
}

}  // namespace
}  // namespace resource_tests
