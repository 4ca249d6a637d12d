#include "tests/resources/resource_reading.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace resource_tests {
namespace {

std::string Describe(LPCWSTR typeOrName) {
  if (IS_INTRESOURCE(typeOrName)) return std::to_string(reinterpret_cast<ULONG_PTR>(typeOrName));
  std::string narrow;
  for (const wchar_t* c = typeOrName; *c; ++c) narrow += static_cast<char>(*c < 0x80 ? *c : '?');
  return '"' + narrow + '"';
}

// State shared by the three nested enumerations. An exception must not unwind through the system's
// enumeration, so the callbacks keep it here and stop.
struct Listing {
  std::vector<std::string> entries;
  std::exception_ptr failure;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR param) {
  auto& listing = *reinterpret_cast<Listing*>(param);
  try {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", language);
    listing.entries.push_back("type " + Describe(type) + ", id " + Describe(name) + ", language " + hex);
    return TRUE;
  } catch (...) {
    listing.failure = std::current_exception();
    return FALSE;
  }
}

BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
  auto& listing = *reinterpret_cast<Listing*>(param);
  try {
    EnumResourceLanguagesW(module, type, name, AddLanguage, param);
    return listing.failure ? FALSE : TRUE;
  } catch (...) {
    listing.failure = std::current_exception();
    return FALSE;
  }
}

BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR param) {
  auto& listing = *reinterpret_cast<Listing*>(param);
  try {
    EnumResourceNamesW(module, type, AddName, param);
    return listing.failure ? FALSE : TRUE;
  } catch (...) {
    listing.failure = std::current_exception();
    return FALSE;
  }
}

void RequireInside(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t length) {
  if (offset + length > bytes.size()) throw std::out_of_range("read past the end of a resource");
}

}  // namespace

std::wstring WindowsPathFromUnix(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

std::wstring WindowsPathFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || !*value) throw std::runtime_error(std::string(variable) + " is not set");
  return WindowsPathFromUnix(value);
}

Bytes ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

ResourceModule::ResourceModule(const std::wstring& path)
    : module_(
          LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
  if (!module_) throw std::runtime_error("LoadLibraryExW failed: " + std::to_string(GetLastError()));
}

ResourceModule::~ResourceModule() { FreeLibrary(module_); }

std::vector<std::string> ListResources(HMODULE module) {
  Listing listing;
  EnumResourceTypesW(module, AddType, reinterpret_cast<LONG_PTR>(&listing));
  if (listing.failure) std::rethrow_exception(listing.failure);
  return listing.entries;
}

std::span<const std::uint8_t> ResourceBytes(HMODULE module, WORD type, WORD id, LANGID language) {
  HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
  if (!found) {
    throw std::runtime_error("no resource of type " + std::to_string(type) + ", id " + std::to_string(id));
  }
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw std::runtime_error("cannot load resource " + std::to_string(id));
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  RequireInside(bytes, offset, 2);
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return ReadU16(bytes, offset) | static_cast<std::uint32_t>(ReadU16(bytes, offset + 2)) << 16;
}

BITMAPINFOHEADER ReadInfoHeader(std::span<const std::uint8_t> bytes, std::size_t offset) {
  BITMAPINFOHEADER header;
  RequireInside(bytes, offset, sizeof header);
  std::memcpy(&header, bytes.data() + offset, sizeof header);
  return header;
}

}  // namespace resource_tests
