// Where things are for a test inside the Wine session.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Wine maps the Unix root to Z:, so "/tmp/x" is "Z:\tmp\x".
std::wstring windowsPath(std::wstring_view unixPath);

// Throws DriverError when the variable is not set.
std::wstring environmentVariable(std::wstring_view name);

// The program under test, from KELVORN_EXE.
std::wstring programPath();
// The Unix path of the session folder, from KELVORN_SESSION_DIR.
std::wstring sessionUnixPath();
// A file in the folder of the running test exe.
std::wstring besideThisExe(std::wstring_view fileName);

// The drives of the session (tests/harness/wine_session.sh): q: and r: are empty
// folders when the run starts, m: is a drive with no medium in it, l: a folder whose
// volume label is labelledDriveLabel.
inline constexpr wchar_t scratchDrive = L'Q';
inline constexpr wchar_t secondScratchDrive = L'R';
inline constexpr wchar_t driveWithoutMedium = L'M';
inline constexpr wchar_t labelledDrive = L'L';
inline constexpr wchar_t labelledDriveLabel[] = L"KINGSTON";

// "Q:\" for 'Q'.
std::wstring driveRoot(wchar_t letter);

} // namespace ui
