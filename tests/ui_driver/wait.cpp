#include "tests/ui_driver/wait.h"

#include <string>

#include "tests/ui_driver/window_query.h"

namespace ui {

WaitTimeout::WaitTimeout(std::string_view what, std::chrono::milliseconds bound)
    : DriverError("waited " + std::to_string(bound.count()) + " ms in vain for " + std::string(what) +
                  "\nvisible windows:\n" + describeVisibleWindows())
{
}

void waitUntilIdle(HWND window, std::chrono::milliseconds bound)
{
    for (int round = 0; round < 2; ++round) {
        DWORD_PTR reply = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(bound.count()), &reply))
            throwLastError("SendMessageTimeoutW WM_NULL (a hung window, or one that is gone)");
    }
}

} // namespace ui
