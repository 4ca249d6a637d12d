#include "tests/ui_driver/program_resources.h"

#include <string>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/paths.h"

namespace ui {

HANDLE loadProgramImage(int id, UINT type, SIZE size, UINT flags)
{
    HMODULE exe = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!exe)
        throwLastError("LoadLibraryExW of the program");
    HANDLE image = LoadImageW(exe, MAKEINTRESOURCEW(id), type, size.cx, size.cy, flags);
    // The image lives on without the module: LoadImageW copies what it reads.
    const DWORD loadError = GetLastError();
    FreeLibrary(exe);
    if (!image) {
        SetLastError(loadError);
        throwLastError("LoadImageW of resource " + std::to_string(id));
    }
    return image;
}

} // namespace ui
