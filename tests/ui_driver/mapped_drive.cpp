#include "tests/ui_driver/mapped_drive.h"

#include <windows.h>

#include <iostream>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/unix_program.h"
#include "tests/ui_driver/wait.h"

namespace ui {

namespace {

std::wstring deviceName(wchar_t letter)
{
    return {letter, L':'};
}

bool listed(wchar_t letter)
{
    return GetLogicalDrives() & (1u << (letter - L'A'));
}

} // namespace

MappedDrive::MappedDrive(wchar_t letter, std::wstring_view unixFolder)
    : letter_(letter),
      link_(environmentVariable(L"WINEPREFIX") + L"/dosdevices/" + std::wstring{static_cast<wchar_t>(letter - L'A' + L'a'), L':'}),
      device_(L"\\Device\\UiDriverDrive" + std::wstring{letter})
{
    if (letter < L'A' || letter > L'Z')
        throw DriverError("not an upper-case drive letter");
    if (listed(letter) || pathExists(root()))
        throw DriverError("drive " + toUtf8(deviceName(letter)) + " is already there");
    if (!DefineDosDeviceW(DDD_RAW_TARGET_PATH, deviceName(letter).c_str(), device_.c_str()))
        throwLastError("DefineDosDeviceW");
    try {
        startUnixProgram({L"/bin/ln", L"-s", std::wstring(unixFolder), link_});
        waitFor("the link of drive " + toUtf8(deviceName(letter)), [&] { return pathExists(root()); });
    } catch (...) {
        unmap();
        throw;
    }
}

MappedDrive::~MappedDrive()
{
    try {
        unmap();
    } catch (const std::exception& error) {
        // A destructor must not throw; the letter then stays until the session ends.
        std::cerr << "drive " << toUtf8(deviceName(letter_)) << " stays mapped: " << error.what() << '\n';
    }
}

void MappedDrive::unmap() const
{
    if (!DefineDosDeviceW(DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE,
                          deviceName(letter_).c_str(), device_.c_str()))
        throwLastError("DefineDosDeviceW removing " + toUtf8(deviceName(letter_)));
    startUnixProgram({L"/bin/rm", L"-f", link_});
    waitFor("drive " + toUtf8(deviceName(letter_)) + " to go", [&] { return !pathExists(root()) && !listed(letter_); });
}

std::wstring MappedDrive::root() const
{
    return driveRoot(letter_);
}

} // namespace ui
