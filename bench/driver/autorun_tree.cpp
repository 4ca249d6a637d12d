#include "bench/driver/autorun_tree.h"

#include <algorithm>
#include <array>
#include <string>

#include "tests/ui_driver/files.h"
#include "tests/ui_driver/text.h"

namespace bench {
namespace {

constexpr std::array<const wchar_t*, 3> kReservedFolders = {L"con", L"aux", L"nul.xxxxxxx"};
constexpr int kFilesPerFolder = 99;

// "part00012": the stem and the number in five digits or more.
std::wstring Numbered(const wchar_t* stem, int number) {
  std::wstring digits = std::to_wstring(number);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), L'0');
  return stem + digits;
}

}  // namespace

void MakeAutorunTree(const std::wstring& drive, int entries) {
  const std::wstring top = drive + L"\\autorun.inf";
  ui::createFolder(top);
  int made = 0;
  for (const wchar_t* reserved : kReservedFolders) {
    if (made == entries) return;
    ui::createFolder(top + L"\\" + reserved);
    ++made;
  }
  for (int folder = 0; made < entries; ++folder) {
    const std::wstring path = top + L"\\" + kReservedFolders[folder % kReservedFolders.size()] + L"\\" +
                              Numbered(L"part", folder);
    ui::createFolder(path);
    ++made;
    const int files = std::min(kFilesPerFolder, entries - made);
    for (int file = 0; file < files; ++file) {
      // Each file holds its own name: files with something in them, as on a stick.
      const std::wstring name = Numbered(L"file", file) + L".txt";
      ui::createFile(path + L"\\" + name, ui::toUtf8(name));
    }
    made += files;
  }
}

bool AutorunTreeExists(const std::wstring& drive) { return ui::pathExists(drive + L"\\autorun.inf"); }

}  // namespace bench
