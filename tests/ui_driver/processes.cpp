#include "tests/ui_driver/processes.h"

// After windows.h, which it needs.
#include <tlhelp32.h>

#include "forms/owned.h"
#include "tests/ui_driver/error.h"

namespace ui {

namespace {

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

forms::OwnedHandle snapshot(DWORD what, DWORD processId)
{
    forms::OwnedHandle list(CreateToolhelp32Snapshot(what, processId));
    if (!list)
        throwLastError("CreateToolhelp32Snapshot");
    return list;
}

// Whether any process that `matches` runs.
template <class Matches>
bool anyProcess(Matches matches)
{
    const forms::OwnedHandle processes = snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{sizeof entry};
    for (BOOL more = Process32FirstW(processes.Get(), &entry); more; more = Process32NextW(processes.Get(), &entry)) {
        if (matches(entry))
            return true;
    }
    return false;
}

} // namespace

bool processRunning(std::wstring_view exeName)
{
    return anyProcess([&](const PROCESSENTRY32W& entry) { return sameIgnoringCase(entry.szExeFile, exeName); });
}

bool childProcessRunning(DWORD parent, std::wstring_view exeName)
{
    return anyProcess([&](const PROCESSENTRY32W& entry) {
        return entry.th32ParentProcessID == parent && sameIgnoringCase(entry.szExeFile, exeName);
    });
}

std::wstring loadedModulePath(DWORD processId, std::wstring_view moduleName)
{
    const forms::OwnedHandle modules = snapshot(TH32CS_SNAPMODULE, processId);
    MODULEENTRY32W entry{sizeof entry};
    for (BOOL more = Module32FirstW(modules.Get(), &entry); more; more = Module32NextW(modules.Get(), &entry)) {
        if (sameIgnoringCase(entry.szModule, moduleName))
            return entry.szExePath;
    }
    return {};
}

} // namespace ui
