// The driver against MessageBoxW boxes of known text, buttons and icon.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/ui_driver/driver_target_contract.h"
#include "tests/ui_driver/driver_target_program.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/message_box.h"

namespace {

using ui::MessageBoxIcon;
using ui::MessageBoxWindow;

ui::Program showBox(UINT flags)
{
    return startDriverTarget(L"messagebox " + std::to_wstring(flags));
}

struct BoxCase {
    const char* name;
    UINT flags;
    std::vector<int> buttons;
    MessageBoxIcon icon;
    int pressed;
};

const BoxCase boxCases[] = {
    {"OK, hand", MB_OK | MB_ICONHAND, {IDOK}, MessageBoxIcon::hand, IDOK},
    {"OK Cancel, question", MB_OKCANCEL | MB_ICONQUESTION, {IDOK, IDCANCEL}, MessageBoxIcon::question, IDCANCEL},
    {"Yes No, no icon", MB_YESNO, {IDYES, IDNO}, MessageBoxIcon::none, IDNO},
    {"Yes No Cancel, exclamation", MB_YESNOCANCEL | MB_ICONEXCLAMATION, {IDYES, IDNO, IDCANCEL},
     MessageBoxIcon::exclamation, IDYES},
    {"OK, information", MB_OK | MB_ICONINFORMATION, {IDOK}, MessageBoxIcon::information, IDOK},
};

TEST(MessageBoxWindow, ReadsTitleTextButtonsAndIconAndPressesAButton)
{
    for (const BoxCase& box : boxCases) {
        SCOPED_TRACE(box.name);
        ui::Program target = showBox(box.flags);
        const MessageBoxWindow shown = MessageBoxWindow::waitFor(target.processId());
        EXPECT_EQ(shown.title(), driver_target::messageBoxTitle);
        EXPECT_EQ(shown.text(), driver_target::messageBoxText);
        EXPECT_EQ(shown.buttons(), box.buttons);
        EXPECT_EQ(shown.icon(), box.icon);
        shown.press(box.pressed);
        shown.waitUntilClosed();
        EXPECT_EQ(target.waitForExit(), static_cast<DWORD>(box.pressed));
    }
}

struct Dismissal {
    const char* name;
    std::function<void(const MessageBoxWindow&)> dismiss;
    int result;
};

const Dismissal dismissals[] = {
    {"Escape", [](const MessageBoxWindow& box) { box.closeByEscape(); }, IDCANCEL},
    {"close box", [](const MessageBoxWindow& box) { box.closeByCloseBox(); }, IDCANCEL},
    {"Alt+F4", [](const MessageBoxWindow& box) { ui::pressKey(box.handle(), VK_F4, ui::Modifiers::alt); }, IDCANCEL},
    {"Enter", [](const MessageBoxWindow& box) { ui::pressKey(box.handle(), VK_RETURN); }, IDOK},
    {"Space", [](const MessageBoxWindow& box) { ui::pressKey(box.handle(), VK_SPACE); }, IDOK},
    {"Right arrow, then Space",
     [](const MessageBoxWindow& box) {
         ui::pressKey(box.handle(), VK_RIGHT);
         ui::pressKey(box.handle(), VK_SPACE);
     },
     IDCANCEL},
};

TEST(MessageBoxWindow, ClosesByKeysAndByTheCloseBox)
{
    for (const Dismissal& way : dismissals) {
        SCOPED_TRACE(way.name);
        ui::Program target = showBox(MB_OKCANCEL | MB_ICONINFORMATION);
        const MessageBoxWindow shown = MessageBoxWindow::waitFor(target.processId());
        way.dismiss(shown);
        EXPECT_EQ(target.waitForExit(), static_cast<DWORD>(way.result));
    }
}

TEST(MessageBoxWindow, IsNotFoundWhileTheProgramShowsNone)
{
    ui::Program target = startDriverTarget(L"window");
    target.waitForWindow(driver_target::windowCaption);
    EXPECT_FALSE(MessageBoxWindow::find(target.processId()));
    EXPECT_THROW(MessageBoxWindow::waitFor(target.processId(), std::chrono::milliseconds(200)), ui::WaitTimeout);
}

} // namespace
