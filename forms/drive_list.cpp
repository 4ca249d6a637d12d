#include "forms/drive_list.h"

#include <winnetwk.h>

#include <cwctype>

#include "forms/declare.h"
#include "forms/runtime_error.h"

namespace forms {
namespace {

// mpr.dll is no KnownDLL: imported statically, a copy of it beside the program would be
// loaded from the stick before the program runs. Bound from the system directory instead.
const DeclaredFunction<DWORD(WINAPI*)(LPCWSTR, LPWSTR, LPDWORD), TextArguments::Wide> WNetGetConnectionW{
    L"mpr.dll", "WNetGetConnectionW"};

// The remote name of a network drive, or nothing when the system can't tell it.
std::wstring RemoteName(const std::wstring& drive) {
  wchar_t remote[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  try {
    if (WNetGetConnectionW(drive.c_str(), remote, &length) != NO_ERROR) return {};
  } catch (const RuntimeError&) {
    // Without mpr the drive is still listed, by its letter alone, like an unnamed one.
    return {};
  }
  return remote;
}

std::wstring DriveEntry(wchar_t letter) {
  std::wstring entry{static_cast<wchar_t>(std::towlower(letter)), L':'};
  const std::wstring root = entry + L"\\";
  if (GetDriveTypeW(root.c_str()) == DRIVE_REMOTE) {
    const std::wstring remote = RemoteName(entry);
    if (!remote.empty()) entry += L" [" + remote + L"]";
    return entry;
  }
  wchar_t label[MAX_PATH + 1] = {};
  // The program's error mode keeps an empty drive from bringing up the system's "insert a disk" box.
  const BOOL ready = GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  if (ready && label[0]) entry += L" [" + std::wstring(label) + L"]";
  return entry;
}

wchar_t CurrentDriveLetter() {
  wchar_t directory[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, directory);
  const bool hasLetter = length >= 2 && directory[1] == L':';
  return hasLetter ? static_cast<wchar_t>(std::towlower(directory[0])) : 0;
}

wchar_t SelectedLetter(HWND combo) {
  const std::wstring selected = SelectedDrive(combo);
  return selected.empty() ? 0 : selected[0];
}

// Puts the entries into the list and selects the one for `letter`, or the first.
void SetEntries(HWND combo, const std::vector<std::wstring>& entries, wchar_t letter) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  int selection = 0;
  for (const std::wstring& entry : entries) {
    const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (at < 0) throw RuntimeError(kOutOfMemory);
    if (entry[0] == letter) selection = static_cast<int>(at);
  }
  SendMessageW(combo, CB_SETCURSEL, entries.empty() ? -1 : selection, 0);
}

}  // namespace

std::vector<std::wstring> ListDrives() {
  std::vector<std::wstring> drives;
  const DWORD mask = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if (mask & (1u << bit)) drives.push_back(DriveEntry(static_cast<wchar_t>(L'a' + bit)));
  }
  return drives;
}

void FillDriveList(HWND combo) { SetEntries(combo, ListDrives(), CurrentDriveLetter()); }

bool RefreshDriveList(HWND combo) {
  const wchar_t before = SelectedLetter(combo);
  SetEntries(combo, ListDrives(), before);
  return SelectedLetter(combo) != before;
}

std::wstring SelectedDrive(HWND combo) {
  const LRESULT selection = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selection == CB_ERR) return {};
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, selection, 0);
  if (length == CB_ERR) throw RuntimeError(kInternalError, L"The drive list has no such entry");
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace forms
