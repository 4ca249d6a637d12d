#include "tests/ui_driver/paths.h"

#include <windows.h>

#include <algorithm>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/text.h"

namespace ui {

std::wstring windowsPath(std::wstring_view unixPath)
{
    std::wstring path = L"Z:" + std::wstring(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring environmentVariable(std::wstring_view name)
{
    const std::wstring key(name);
    const DWORD size = GetEnvironmentVariableW(key.c_str(), nullptr, 0);
    if (size == 0)
        throw DriverError("environment variable " + toUtf8(name) + " is not set");
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(key.c_str(), value.data(), size));
    return value;
}

std::wstring programPath()
{
    return windowsPath(environmentVariable(L"KELVORN_EXE"));
}

std::wstring sessionUnixPath()
{
    return environmentVariable(L"KELVORN_SESSION_DIR");
}

std::wstring besideThisExe(std::wstring_view fileName)
{
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length == path.size())
        throwLastError("GetModuleFileNameW");
    path.resize(length);
    path.erase(path.find_last_of(L'\\') + 1);
    return path + std::wstring(fileName);
}

std::wstring driveRoot(wchar_t letter)
{
    return {letter, L':', L'\\'};
}

} // namespace ui
