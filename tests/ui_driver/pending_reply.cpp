#include "tests/ui_driver/pending_reply.h"

#include <map>
#include <utility>

#include "tests/ui_driver/error.h"

namespace ui {

namespace {

// Replies by request id. A reply that comes after its PendingReply has gone is kept
// here instead of being written through a dangling pointer.
std::map<ULONG_PTR, LRESULT>& arrivedReplies()
{
    static std::map<ULONG_PTR, LRESULT> replies;
    return replies;
}

constexpr ULONG_PTR noRequest = 0;
ULONG_PTR lastRequest = noRequest;
bool replyLost = false;

void CALLBACK replyArrived(HWND, UINT, ULONG_PTR id, LRESULT result)
{
    try {
        arrivedReplies()[id] = result;
    } catch (...) {
        replyLost = true;
    }
}

// Callbacks of SendMessageCallback run while the sending thread takes its messages.
void takeMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

} // namespace

PendingReply::PendingReply(HWND window, UINT message, WPARAM wParam, LPARAM lParam) : id_(++lastRequest)
{
    if (!SendMessageCallbackW(window, message, wParam, lParam, replyArrived, id_))
        throwLastError("SendMessageCallbackW");
}

PendingReply::PendingReply(PendingReply&& other) noexcept : id_(std::exchange(other.id_, noRequest)) {}

PendingReply::~PendingReply()
{
    arrivedReplies().erase(id_);
}

std::optional<LRESULT> PendingReply::reply() const
{
    takeMessages();
    if (replyLost)
        throw DriverError("a reply came but could not be stored");
    const auto found = arrivedReplies().find(id_);
    if (found == arrivedReplies().end())
        return std::nullopt;
    return found->second;
}

LRESULT PendingReply::waitForReply(std::chrono::milliseconds bound) const
{
    return *waitFor("the reply to a sent message", [&] { return reply(); }, bound);
}

} // namespace ui
