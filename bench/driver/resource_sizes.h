// The resources that an executable carries, with their sizes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct ResourceSize {
  std::wstring type;  // a number as "#14", or the type's name
  std::wstring name;  // likewise
  WORD language = 0;
  DWORD bytes = 0;
};

// Every resource of `exe`, read through LoadLibraryEx as a data file.
std::vector<ResourceSize> ResourcesOf(const std::wstring& exe);

}  // namespace bench
