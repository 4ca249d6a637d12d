#include "tests/ui_driver/message_box.h"

#include <optional>

#include "tests/ui_driver/closing.h"
#include "tests/ui_driver/error.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/window_query.h"

namespace ui {

namespace {

constexpr int textId = 0xFFFF;
constexpr int iconId = 1088;

HWND control(HWND box, int id)
{
    HWND found = GetDlgItem(box, id);
    if (!found)
        throw DriverError("the message box has no control with id " + std::to_string(id));
    return found;
}

// Wine makes the icon control for every box and leaves it empty without an icon flag.
// The handle means something only in the box's process, but whether there is one
// tells an empty control from a full one.
HICON iconHandleOf(HWND iconControl)
{
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutW(iconControl, STM_GETICON, 0, 0, SMTO_NORMAL, static_cast<UINT>(defaultWait.count()), &icon))
        throwLastError("SendMessageTimeoutW STM_GETICON");
    return reinterpret_cast<HICON>(icon);
}

std::optional<MessageBoxIcon> standardIconShown(HWND iconControl)
{
    const RECT area = screenRect(iconControl);
    const Image shown = captureScreen(area);
    // The box's ground just left of the icon, where nothing is drawn.
    const std::uint32_t ground = captureScreen({area.left - 1, area.top, area.left, area.top + 1}).at(0, 0);
    const struct {
        LPCWSTR id;
        MessageBoxIcon icon;
    } standard[] = {
        {IDI_HAND, MessageBoxIcon::hand},
        {IDI_QUESTION, MessageBoxIcon::question},
        {IDI_EXCLAMATION, MessageBoxIcon::exclamation},
        {IDI_INFORMATION, MessageBoxIcon::information},
    };
    for (const auto& candidate : standard) {
        const Image drawn = drawIcon(LoadIconW(nullptr, candidate.id), {shown.width, shown.height}, ground);
        if (drawn.pixels == shown.pixels)
            return candidate.icon;
    }
    return std::nullopt;
}

} // namespace

std::ostream& operator<<(std::ostream& out, MessageBoxIcon icon)
{
    switch (icon) {
    case MessageBoxIcon::none:
        return out << "no icon";
    case MessageBoxIcon::hand:
        return out << "hand icon";
    case MessageBoxIcon::question:
        return out << "question icon";
    case MessageBoxIcon::exclamation:
        return out << "exclamation icon";
    case MessageBoxIcon::information:
        return out << "information icon";
    case MessageBoxIcon::unknown:
        break;
    }
    return out << "icon of no standard kind";
}

std::optional<MessageBoxWindow> MessageBoxWindow::find(DWORD processId)
{
    if (HWND box = findTopLevel(processId, L"#32770", {}))
        return MessageBoxWindow(box);
    return std::nullopt;
}

MessageBoxWindow MessageBoxWindow::waitFor(DWORD processId, std::chrono::milliseconds bound)
{
    return *ui::waitFor("a message box of process " + std::to_string(processId), [&] { return find(processId); },
                        bound);
}

std::wstring MessageBoxWindow::title() const
{
    return caption(box_);
}

std::wstring MessageBoxWindow::text() const
{
    return caption(control(box_, textId));
}

std::vector<int> MessageBoxWindow::buttons() const
{
    std::vector<int> ids;
    for (HWND child : childControls(box_)) {
        if (className(child) == L"Button" && isVisible(child))
            ids.push_back(controlId(child));
    }
    return ids;
}

MessageBoxIcon MessageBoxWindow::icon() const
{
    HWND iconControl = GetDlgItem(box_, iconId);
    if (!iconControl || !isVisible(iconControl) || !iconHandleOf(iconControl))
        return MessageBoxIcon::none;
    // A box that has just appeared may not be painted yet: look again until one of the
    // standard icons shows or the time is up.
    const auto deadline = std::chrono::steady_clock::now() + defaultWait;
    do {
        if (const auto known = standardIconShown(iconControl))
            return *known;
        Sleep(static_cast<DWORD>(pollInterval.count()));
    } while (std::chrono::steady_clock::now() < deadline);
    return MessageBoxIcon::unknown;
}

void MessageBoxWindow::press(int buttonId) const
{
    clickButton(control(box_, buttonId));
}

void MessageBoxWindow::closeByEscape() const
{
    pressKey(box_, VK_ESCAPE);
}

void MessageBoxWindow::closeByCloseBox() const
{
    ui::closeByCloseBox(box_);
}

void MessageBoxWindow::waitUntilClosed(std::chrono::milliseconds bound) const
{
    ui::waitFor("the message box to close", [&] { return !IsWindow(box_) || !isVisible(box_); }, bound);
}

} // namespace ui
