#include "tests/cmd_standin/tree_removal.h"

#include <windows.h>

#include <string_view>

#include "forms/owned.h"
#include "tests/cmd_standin/same_ignoring_case.h"

namespace standin {
namespace {

std::wstring Joined(std::wstring folder, std::wstring_view name) {
  if (!folder.ends_with(L'\\')) folder += L'\\';
  return folder.append(name);
}

forms::OwnedHandle Open(const std::wstring& path, DWORD access, DWORD flags) {
  const HANDLE handle =
      CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastError(L"open " + path);
  return forms::OwnedHandle(handle);
}

std::wstring FinalPath(const forms::OwnedHandle& entry, const std::wstring& path) {
  std::wstring finalPath(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(entry.Get(), finalPath.data(),
                                                   static_cast<DWORD>(finalPath.size()), 0);
    if (length == 0) ThrowLastError(L"resolve " + path);
    if (length < finalPath.size()) {
      finalPath.resize(length);
      return finalPath;
    }
    finalPath.resize(length);
  }
}

FILE_BASIC_INFO BasicInfo(const forms::OwnedHandle& entry, const std::wstring& path) {
  FILE_BASIC_INFO info{};
  if (!GetFileInformationByHandleEx(entry.Get(), FileBasicInfo, &info, sizeof info)) {
    ThrowLastError(L"read attributes of " + path);
  }
  return info;
}

void ClearReadOnly(const forms::OwnedHandle& entry, FILE_BASIC_INFO info, const std::wstring& path) {
  if (!(info.FileAttributes & FILE_ATTRIBUTE_READONLY)) return;
  info.FileAttributes &= ~FILE_ATTRIBUTE_READONLY;
  if (info.FileAttributes == 0) info.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  if (!SetFileInformationByHandle(entry.Get(), FileBasicInfo, &info, sizeof info)) {
    ThrowLastError(L"clear read-only on " + path);
  }
}

// The entry goes when its handle is closed.
void MarkForDeletion(const forms::OwnedHandle& entry, const std::wstring& path) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!SetFileInformationByHandle(entry.Get(), FileDispositionInfo, &disposition,
                                  sizeof disposition)) {
    ThrowLastError(L"remove " + path);
  }
}

// Lists the folder through its own handle: a second open, as FindFirstFile makes, would not
// share with the DELETE access held on it.
std::vector<std::wstring> EntryNames(const forms::OwnedHandle& folder, const std::wstring& path) {
  std::vector<std::wstring> names;
  alignas(FILE_ID_BOTH_DIR_INFO) unsigned char buffer[16 * 1024];
  for (auto listing = FileIdBothDirectoryRestartInfo;
       GetFileInformationByHandleEx(folder.Get(), listing, buffer, sizeof buffer);
       listing = FileIdBothDirectoryInfo) {
    for (const unsigned char* at = buffer;;) {
      const auto& entry = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
      const std::wstring_view name(entry.FileName, entry.FileNameLength / sizeof(wchar_t));
      if (name != L"." && name != L"..") names.emplace_back(name);
      if (entry.NextEntryOffset == 0) break;
      at += entry.NextEntryOffset;
    }
  }
  if (GetLastError() != ERROR_NO_MORE_FILES) ThrowLastError(L"list " + path);
  return names;
}

class TreeRemover {
 public:
  // Removes the entry `name` of the folder whose final path is `folderFinalPath`; `path` is
  // how it is reached. Returns whether it is gone.
  bool RemoveEntry(const std::wstring& path, std::wstring_view name,
                   const std::wstring& folderFinalPath) {
    try {
      const forms::OwnedHandle entry =
          Open(path, DELETE | FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
               FILE_FLAG_OPEN_REPARSE_POINT);
      const std::wstring finalPath = FinalPath(entry, path);
      // Wine opens a symbolic link's target even when asked for the link itself, and removes
      // the target through that handle. Such a handle's final path is not this entry's own.
      if (!SameIgnoringCase(finalPath, Joined(folderFinalPath, name))) {
        throw Win32Error(ERROR_NOT_SUPPORTED, L"remove the link " + path + L" without its target");
      }
      const FILE_BASIC_INFO info = BasicInfo(entry, path);
      const bool isFolder = info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY;
      const bool isLink = info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
      if (isFolder && !isLink && !RemoveContents(entry, path, finalPath)) return false;
      ClearReadOnly(entry, info, path);
      MarkForDeletion(entry, path);
      return true;
    } catch (const Win32Error& error) {
      // Like rd, go on with the other entries; the failure is reported and the folders above stay.
      failures.push_back(error);
      return false;
    }
  }

  std::vector<Win32Error> failures;

 private:
  bool RemoveContents(const forms::OwnedHandle& folder, const std::wstring& path,
                      const std::wstring& folderFinalPath) {
    bool allGone = true;
    for (const std::wstring& name : EntryNames(folder, path)) {
      allGone = RemoveEntry(Joined(path, name), name, folderFinalPath) && allGone;
    }
    return allGone;
  }
};

}  // namespace

std::vector<Win32Error> RemoveTree(const std::wstring& folder) {
  const std::size_t separator = folder.find_last_of(L'\\');
  const std::wstring name = folder.substr(separator + 1);
  // The folder keeps its separator: "\\.\q:\" is the drive's root folder, "\\.\q:" the volume.
  const std::wstring parent = folder.substr(0, separator + 1);
  if (name.empty() || parent.size() <= 4) {
    return {Win32Error(ERROR_INVALID_NAME, L"remove " + folder)};
  }
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return {Win32Error(error, L"find " + folder)};
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {Win32Error(ERROR_DIRECTORY, L"remove " + folder)};
  }
  TreeRemover remover;
  try {
    remover.RemoveEntry(folder, name, FinalPath(Open(parent, FILE_READ_ATTRIBUTES, 0), parent));
  } catch (const Win32Error& error) {
    remover.failures.push_back(error);
  }
  return std::move(remover.failures);
}

}  // namespace standin
