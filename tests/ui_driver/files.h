// Files and folders on the session's drives, reached through "\\?\" paths: the plain
// forms of names such as con, aux or nul.1234567 mean devices, not entries on disk.
#pragma once

#include <windows.h>

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// "\\?\" + path, unless it already starts with "\\?\" or "\\.\".
std::wstring longPath(std::wstring_view path);

// The folder and any missing folders above it.
void createFolder(std::wstring_view path);
void createFile(std::wstring_view path, std::string_view contents = {});
// Measured under Wine 8: files keep hidden, system and read-only; folders keep hidden
// and system but drop read-only.
void setAttributes(std::wstring_view path, DWORD attributes);
// Empty when nothing is there (or the drive has no medium).
std::optional<DWORD> attributesOf(std::wstring_view path);
bool pathExists(std::wstring_view path);
// The entry and everything below it, read-only ones too; nothing there is fine. A link
// is removed itself and never followed (Wine cannot remove links: that throws).
void removeTree(std::wstring_view path);

// All that the file holds.
std::string contentsOf(std::wstring_view path);

// What a path names, as the volume and the file's index on it. A path into system32 from
// a 32-bit process names a file in syswow64, whose own path is what a process started
// from there reports: only the file itself compares.
struct FileIdentity {
    DWORD volume;
    ULONGLONG index;
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity fileIdentity(std::wstring_view path);

// The path up to its last separator: "C:\a\b.exe" gives "C:\a".
std::wstring folderOf(std::wstring_view path);

} // namespace ui
