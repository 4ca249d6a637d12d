// A message box of the program under test: a #32770 window whose text is the Static
// with id 0xFFFF, whose icon is the Static with id 1088 (under Wine always there, empty
// without an icon flag) and whose buttons carry the ids IDOK, IDCANCEL, IDYES, IDNO...
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui_driver/wait.h"

namespace ui {

// Which standard icon the box shows. Under Wine an icon handle is valid only in its
// own process (STM_GETICON gives a handle that LoadIcon in the test never equals), so
// the icon is told by its pixels: each standard icon, drawn here on the box's ground,
// is compared with the screen.
enum class MessageBoxIcon { none, hand, question, exclamation, information, unknown };

std::ostream& operator<<(std::ostream& out, MessageBoxIcon icon);

class MessageBoxWindow {
public:
    explicit MessageBoxWindow(HWND box) : box_(box) {}

    // The first visible #32770 window of the process, if any.
    static std::optional<MessageBoxWindow> find(DWORD processId);
    static MessageBoxWindow waitFor(DWORD processId, std::chrono::milliseconds bound = defaultWait);

    HWND handle() const { return box_; }
    std::wstring title() const;
    // As given to MessageBox, line breaks (CR LF) kept.
    std::wstring text() const;
    // Ids of the visible buttons, in tab order.
    std::vector<int> buttons() const;
    MessageBoxIcon icon() const;

    // Posts a click on the button with this id: returns at once.
    void press(int buttonId) const;
    void closeByEscape() const;
    void closeByCloseBox() const;
    void waitUntilClosed(std::chrono::milliseconds bound = defaultWait) const;

private:
    HWND box_;
};

} // namespace ui
