// Bounded polling: every wait of the driver ends, and a wait that runs out says what
// was awaited and which windows were on the screen.
#pragma once

#include <windows.h>

#include <chrono>
#include <string_view>

#include "tests/ui_driver/error.h"

namespace ui {

// Long enough for a program start under Wine (about 1.4 s), short enough to fail fast.
inline constexpr std::chrono::milliseconds defaultWait{5000};
inline constexpr std::chrono::milliseconds pollInterval{20};

class WaitTimeout : public DriverError {
public:
    WaitTimeout(std::string_view what, std::chrono::milliseconds bound);
};

// Returns once the thread of the visible `window` has handled the sent, posted and input
// messages queued before the call (a pointer's WM_SETCURSOR among them), and `window`
// has painted. A thread takes a WM_PAINT only when none of those is left in its queue,
// so the wait asks `window` to repaint and ends when it has. (Sent messages cannot mark
// the spot: a thread takes them ahead of everything else. Measured: a second WM_NULL sent
// on the reply to a first was at times taken before a pointer move queued ahead of both.)
void waitUntilIdle(HWND window, std::chrono::milliseconds bound = defaultWait);

// Calls `condition` until it yields a value that tests true (true, a window handle, a
// filled optional) and returns that value; throws WaitTimeout once `bound` has passed.
template <class Condition>
auto waitFor(std::string_view what, Condition condition, std::chrono::milliseconds bound = defaultWait)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    for (;;) {
        auto result = condition();
        if (result)
            return result;
        if (std::chrono::steady_clock::now() >= deadline)
            throw WaitTimeout(what, bound);
        Sleep(static_cast<DWORD>(pollInterval.count()));
    }
}

} // namespace ui
