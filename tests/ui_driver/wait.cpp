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
    // A hidden window never paints, so the wait would say nothing.
    if (!IsWindowVisible(window))
        throw DriverError("waitUntilIdle: the window is hidden or gone");
    if (!RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE))
        throwLastError("RedrawWindow");
    waitFor("the window's thread to paint it", [&] { return !GetUpdateRect(window, nullptr, FALSE); }, bound);
}

} // namespace ui
