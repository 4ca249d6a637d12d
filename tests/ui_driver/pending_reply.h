// A message sent to another program's window whose reply comes later, for handlers that
// open a modal box before they answer (a quit confirmation). SendMessage would block
// the test inside that box; SendMessageCallback returns at once and the reply arrives
// while this thread looks at its message queue.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

#include "tests/ui_driver/wait.h"

namespace ui {

class PendingReply {
public:
    PendingReply(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    PendingReply(PendingReply&& other) noexcept;
    PendingReply& operator=(PendingReply&&) = delete;
    PendingReply(const PendingReply&) = delete;
    ~PendingReply();

    // The reply if it has come.
    std::optional<LRESULT> reply() const;
    LRESULT waitForReply(std::chrono::milliseconds bound = defaultWait) const;

private:
    ULONG_PTR id_;
};

} // namespace ui
