#include "tests/ui_driver/files.h"

#include <vector>

#include "forms/owned.h"
#include "tests/ui_driver/error.h"
#include "tests/ui_driver/text.h"

namespace ui {

namespace {

bool hasDevicePrefix(std::wstring_view path)
{
    return path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\");
}

[[noreturn]] void throwPathError(std::string_view what, std::wstring_view path)
{
    throwLastError(std::string(what) + " of " + toUtf8(path));
}

std::vector<std::wstring> entryNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        throwPathError("FindFirstFileW", folder);
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..")
            names.emplace_back(name);
    } while (FindNextFileW(search, &entry));
    const DWORD endReason = GetLastError();
    FindClose(search);
    if (endReason != ERROR_NO_MORE_FILES)
        throwPathError("FindNextFileW", folder);
    return names;
}

void removeEntry(const std::wstring& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        if (!SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
            throwPathError("SetFileAttributesW", path);
    }
    const bool isFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    if (isFolder && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        for (const std::wstring& name : entryNames(path)) {
            const std::wstring child = path + L"\\" + name;
            if (const auto childAttributes = attributesOf(child))
                removeEntry(child, *childAttributes);
        }
    }
    const BOOL removed = isFolder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
    if (!removed)
        throwPathError(isFolder ? "RemoveDirectoryW" : "DeleteFileW", path);
}

// The file opened for reading, others reading and writing meanwhile.
forms::OwnedHandle openForReading(const std::wstring& path, DWORD access)
{
    forms::OwnedHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        throwPathError("CreateFileW", path);
    return file;
}

} // namespace

std::wstring longPath(std::wstring_view path)
{
    if (hasDevicePrefix(path))
        return std::wstring(path);
    return L"\\\\?\\" + std::wstring(path);
}

void createFolder(std::wstring_view path)
{
    std::wstring full = longPath(path);
    while (full.ends_with(L'\\'))
        full.pop_back();
    if (const auto attributes = attributesOf(full); attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    const size_t parentEnd = full.find_last_of(L'\\');
    // A parent that is the drive root ("\\?\Q:") exists or never will.
    if (parentEnd != std::wstring::npos && parentEnd > full.find(L':') + 1)
        createFolder(full.substr(0, parentEnd));
    if (!CreateDirectoryW(full.c_str(), nullptr))
        throwPathError("CreateDirectoryW", full);
}

void createFile(std::wstring_view path, std::string_view contents)
{
    const std::wstring full = longPath(path);
    const forms::OwnedHandle file(
        CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throwPathError("CreateFileW", full);
    DWORD written = 0;
    if (!WriteFile(file.Get(), contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) ||
        written != contents.size())
        throwPathError("WriteFile", full);
}

void setAttributes(std::wstring_view path, DWORD attributes)
{
    const std::wstring full = longPath(path);
    if (!SetFileAttributesW(full.c_str(), attributes))
        throwPathError("SetFileAttributesW", full);
}

std::optional<DWORD> attributesOf(std::wstring_view path)
{
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

bool pathExists(std::wstring_view path)
{
    return attributesOf(path).has_value();
}

void removeTree(std::wstring_view path)
{
    const std::wstring full = longPath(path);
    if (const auto attributes = attributesOf(full))
        removeEntry(full, *attributes);
}

std::string contentsOf(std::wstring_view path)
{
    const std::wstring full = longPath(path);
    const forms::OwnedHandle file = openForReading(full, GENERIC_READ);
    std::string contents;
    char chunk[4096];
    DWORD read = 0;
    do {
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr))
            throwPathError("ReadFile", full);
        contents.append(chunk, read);
    } while (read > 0);
    return contents;
}

FileIdentity fileIdentity(std::wstring_view path)
{
    const std::wstring full = longPath(path);
    const forms::OwnedHandle file = openForReading(full, 0);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.Get(), &information))
        throwPathError("GetFileInformationByHandle", full);
    return {information.dwVolumeSerialNumber,
            (ULONGLONG{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

std::wstring folderOf(std::wstring_view path)
{
    return std::wstring(path.substr(0, path.find_last_of(L"\\/")));
}

} // namespace ui
