#include "bench/driver/resource_sizes.h"

#include <exception>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/text.h"

namespace bench {
namespace {

std::wstring NameOf(const wchar_t* typeOrName) {
  if (IS_INTRESOURCE(typeOrName)) return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(typeOrName));
  return typeOrName;
}

struct Listing {
  std::vector<ResourceSize> found;
  std::exception_ptr failure;
};

BOOL CALLBACK AddLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR listingAddress) {
  auto& listing = *reinterpret_cast<Listing*>(listingAddress);
  try {
    HRSRC resource = FindResourceExW(module, type, name, language);
    if (!resource) ui::throwLastError("FindResourceEx " + ui::toUtf8(NameOf(name)));
    listing.found.push_back({NameOf(type), NameOf(name), language, SizeofResource(module, resource)});
    return TRUE;
  } catch (...) {
    // Carried out of the enumeration, which must not be unwound through.
    listing.failure = std::current_exception();
    return FALSE;
  }
}

BOOL CALLBACK ListLanguages(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR listingAddress) {
  EnumResourceLanguagesW(module, type, name, AddLanguage, listingAddress);
  return !reinterpret_cast<Listing*>(listingAddress)->failure;
}

BOOL CALLBACK ListNames(HMODULE module, LPWSTR type, LONG_PTR listingAddress) {
  EnumResourceNamesW(module, type, ListLanguages, listingAddress);
  return !reinterpret_cast<Listing*>(listingAddress)->failure;
}

}  // namespace

std::vector<ResourceSize> ResourcesOf(const std::wstring& exe) {
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) ui::throwLastError("LoadLibraryEx of " + ui::toUtf8(exe));
  Listing listing;
  const BOOL listed = EnumResourceTypesW(module, ListNames, reinterpret_cast<LONG_PTR>(&listing));
  const DWORD listError = GetLastError();
  FreeLibrary(module);
  if (listing.failure) std::rethrow_exception(listing.failure);
  if (!listed) {
    SetLastError(listError);
    ui::throwLastError("EnumResourceTypes of " + ui::toUtf8(exe));
  }
  return listing.found;
}

}  // namespace bench
