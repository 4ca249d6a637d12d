#include "tests/cmd_standin/file_tree.h"

#include "tests/cmd_standin/tree_removal.h"
#include "tests/cmd_standin/win32_error.h"

namespace standin {
namespace {

constexpr unsigned kScratchNameTries = 10'000;

// Process ids repeat from one Wine session to the next, so a name is tried until one is free.
std::wstring MakeNewScratchFolder() {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) ThrowLastError(L"GetTempPathW");
  const std::wstring stem =
      std::wstring(temp, length) + L"standin-" + std::to_wstring(GetCurrentProcessId()) + L"-";
  static unsigned tried = 0;
  for (const unsigned last = tried + kScratchNameTries; tried != last;) {
    const std::wstring path = stem + std::to_wstring(++tried);
    if (CreateDirectoryW(LiteralPath(path).c_str(), nullptr)) return path;
    if (GetLastError() != ERROR_ALREADY_EXISTS) ThrowLastError(L"make folder " + path);
  }
  throw Win32Error(ERROR_ALREADY_EXISTS, L"find a free name like " + stem);
}

}  // namespace

std::wstring LiteralPath(const std::wstring& path) { return L"\\\\?\\" + path; }

void MakeFolder(const std::wstring& path) {
  if (!CreateDirectoryW(LiteralPath(path).c_str(), nullptr)) ThrowLastError(L"make folder " + path);
}

void MakeFile(const std::wstring& path, DWORD attributes) {
  const forms::OwnedHandle file(CreateFileW(LiteralPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, attributes, nullptr));
  if (!file) ThrowLastError(L"make file " + path);
  DWORD written = 0;
  if (!WriteFile(file.Get(), path.data(), static_cast<DWORD>(path.size() * sizeof(wchar_t)),
                 &written, nullptr)) {
    ThrowLastError(L"write file " + path);
  }
}

void SetAttributes(const std::wstring& path, DWORD attributes) {
  if (!SetFileAttributesW(LiteralPath(path).c_str(), attributes)) {
    ThrowLastError(L"set attributes of " + path);
  }
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(LiteralPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

forms::OwnedHandle HoldWithoutSharing(const std::wstring& path) {
  forms::OwnedHandle file(CreateFileW(LiteralPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastError(L"hold " + path);
  return file;
}

ScratchFolder::ScratchFolder() : path_(MakeNewScratchFolder()) {}

ScratchFolder::~ScratchFolder() {
  // A link Wine cannot remove without its target stays behind; the prefix is a test prefix.
  RemoveTree(LiteralPath(path_));
}

}  // namespace standin
