// A drive letter that a test adds while the program runs, for as long as this object lives.
//
// Measured under Wine 8: the drive letters are links in $WINEPREFIX/dosdevices, which is
// what file access uses, while GetLogicalDrives lists only the DOS devices that the mount
// manager made from those links when it started. DefineDosDeviceW alone adds the letter
// to GetLogicalDrives but every access fails (error 433, no such device); a link made by
// /bin/ln (started through CreateProcess) gives access but no GetLogicalDrives bit. Both
// together make a drive that the program lists and reads; CreateSymbolicLinkW returned
// success and made nothing.
#pragma once

#include <string>
#include <string_view>

namespace ui {

class MappedDrive {
public:
    // `unixFolder` must exist; the letter must be free.
    MappedDrive(wchar_t letter, std::wstring_view unixFolder);
    ~MappedDrive();
    MappedDrive(const MappedDrive&) = delete;
    MappedDrive& operator=(const MappedDrive&) = delete;

    std::wstring root() const;

private:
    void unmap() const;

    wchar_t letter_;
    std::wstring link_;
    std::wstring device_;
};

} // namespace ui
