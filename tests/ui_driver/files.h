// Files and folders on the session's drives, reached through "\\?\" paths: the plain
// forms of names such as con, aux or nul.1234567 mean devices, not entries on disk.
#pragma once

#include <windows.h>

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

} // namespace ui
