// Reading the resources of the built executable, and the files beside it, for the tests.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace resource_tests {

using Bytes = std::vector<std::uint8_t>;

// A path that the build gives as a Unix path in an environment variable, as Wine sees it (Z: is /).
std::wstring WindowsPathFromEnvironment(const char* variable);
std::wstring WindowsPathFromUnix(const std::string& unixPath);

Bytes ReadWholeFile(const std::filesystem::path& path);

// The executable opened for its resources only; its code is neither mapped to run nor started.
class ResourceModule {
 public:
  explicit ResourceModule(const std::wstring& path);
  ~ResourceModule();
  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;

  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};

// Every resource as "type T, id N, language 0xLLLL" (a named type or name shows as its name).
std::vector<std::string> ListResources(HMODULE module);

// The bytes of one resource, in that language; throws when it is missing.
std::span<const std::uint8_t> ResourceBytes(HMODULE module, WORD type, WORD id, LANGID language);

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset);
BITMAPINFOHEADER ReadInfoHeader(std::span<const std::uint8_t> bytes, std::size_t offset);

}  // namespace resource_tests
