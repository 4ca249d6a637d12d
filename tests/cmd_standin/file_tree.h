// Folder trees for the tests: made, held and inspected through \\?\ paths, so entries named
// con, aux or nul.xxx are the real files and folders, not devices.
#pragma once

#include <windows.h>

#include <string>

#include "forms/owned.h"

namespace standin {

// `path` (a drive-letter path) in the \\?\ namespace.
std::wstring LiteralPath(const std::wstring& path);

void MakeFolder(const std::wstring& path);
void MakeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
void SetAttributes(const std::wstring& path, DWORD attributes);
bool Exists(const std::wstring& path);

// Opens a file so that nobody else may open it, delete it included, until the handle goes.
forms::OwnedHandle HoldWithoutSharing(const std::wstring& path);

// A new empty folder of its own in the temporary folder, removed with all it holds at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace standin
