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

// Returns once the thread of `window` has handled the input, paint and posted messages
// queued before the call: a thread takes sent messages before the rest of its queue and
// waits for more only when the queue is empty, so after the first of two WM_NULL it
// goes on to the queue (a pointer's WM_SETCURSOR, a WM_PAINT, whose drawing Wine hands
// to the display when the thread waits again) before it takes the second.
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
