// The driver against a window of known controls: facts, keys, pointer, closing,
// session end and screenshots.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ui_driver/closing.h"
#include "tests/ui_driver/cursor_image.h"
#include "tests/ui_driver/driver_target_contract.h"
#include "tests/ui_driver/driver_target_program.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/message_box.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

namespace target = driver_target;

struct ShownTarget {
    explicit ShownTarget(std::wstring arguments = L"window")
        : program(startDriverTarget(std::move(arguments))), window(program.waitForWindow(target::windowCaption))
    {
    }

    ui::Program program;
    HWND window;

    HWND control(int id) const
    {
        HWND found = ui::findControl(window, id);
        EXPECT_NE(found, nullptr) << "no control " << id;
        return found;
    }
    void waitForFocusOn(int id) const
    {
        ui::waitFor("the focus on control " + std::to_string(id),
                    [&] { return ui::focusedWindow(window) == control(id); });
    }
};

ui::CursorImage targetCursor()
{
    ui::CursorImage image{target::cursorSize, target::cursorSize, target::cursorHotspotX, target::cursorHotspotY, {}};
    for (int y = 0; y < target::cursorSize; ++y) {
        for (int x = 0; x < target::cursorSize; ++x)
            image.shape += target::cursorCovers(x, y) ? '#' : '.';
        image.shape += '\n';
    }
    return image;
}

TEST(Windows, ReadsTheWindowAndItsControls)
{
    const ShownTarget shown;
    const HWND window = shown.window;
    EXPECT_EQ(ui::processOf(window), shown.program.processId());
    const std::vector<HWND> topLevel = ui::topLevelWindows(shown.program.processId());
    EXPECT_NE(std::find(topLevel.begin(), topLevel.end(), window), topLevel.end());
    EXPECT_EQ(ui::className(window), target::windowClass);
    EXPECT_TRUE(ui::hasStyle(window, WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX));
    EXPECT_FALSE(ui::hasStyle(window, WS_DISABLED));
    EXPECT_TRUE(ui::hasExStyle(window, WS_EX_WINDOWEDGE));
    EXPECT_FALSE(ui::hasExStyle(window, WS_EX_TOPMOST));
    EXPECT_TRUE(ui::isVisible(window));
    EXPECT_TRUE(ui::isEnabled(window));

    const std::vector<HWND> controls = ui::childControls(window);
    ASSERT_EQ(controls.size(), 3u);
    const struct {
        const wchar_t* className;
        const wchar_t* caption;
        int id;
        bool tabStop;
    } expected[] = {
        {L"Static", target::labelText, target::labelId, false},
        {L"Button", target::pointerButtonText, target::pointerButtonId, true},
        {L"Button", target::doneButtonText, target::doneButtonId, true},
    };
    for (size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(ui::toUtf8(expected[i].caption));
        EXPECT_EQ(ui::className(controls[i]), expected[i].className);
        EXPECT_EQ(ui::caption(controls[i]), expected[i].caption);
        EXPECT_EQ(ui::shownText(controls[i]), expected[i].caption);
        EXPECT_EQ(ui::controlId(controls[i]), expected[i].id);
        EXPECT_EQ(ui::hasStyle(controls[i], WS_TABSTOP), expected[i].tabStop);
        EXPECT_TRUE(ui::isVisible(controls[i]));
    }
    EXPECT_EQ(ui::findControl(window, L"Button", target::doneButtonText), controls[2]);
    EXPECT_EQ(ui::findControl(window, target::doneButtonId), controls[2]);
    EXPECT_EQ(ui::findControl(window, L"Edit", {}), nullptr);

    // The window was made 420 by 260 at (200, 150), its controls 120 by 28 at x = 10.
    const RECT frame = ui::screenRect(window);
    EXPECT_EQ(frame.left, 200);
    EXPECT_EQ(frame.top, 150);
    EXPECT_EQ(frame.right - frame.left, 420);
    EXPECT_EQ(frame.bottom - frame.top, 260);
    const RECT client = ui::clientRect(window);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_LT(client.right, 420);
    EXPECT_LT(client.bottom, 260 - GetSystemMetrics(SM_CYCAPTION));
    const RECT button = ui::screenRect(controls[2]);
    EXPECT_EQ(button.right - button.left, 120);
    EXPECT_EQ(button.bottom - button.top, 28);
    EXPECT_GT(button.left, frame.left);
    EXPECT_GT(button.top, frame.top + GetSystemMetrics(SM_CYCAPTION));

    ui::bringToForeground(window);
    shown.waitForFocusOn(target::pointerButtonId);
    const std::string listing = ui::describeVisibleWindows();
    EXPECT_NE(listing.find(ui::toUtf8(target::windowCaption)), std::string::npos) << listing;
    EXPECT_NE(listing.find(ui::toUtf8(target::windowClass)), std::string::npos) << listing;
    std::ostringstream front;
    front << "foreground " << window << ", focus " << shown.control(target::pointerButtonId) << ", capture "
          << HWND{} << ", flags 0\n";
    EXPECT_NE(listing.find(front.str()), std::string::npos) << listing;
}

TEST(Windows, AWaitThatRunsOutListsTheVisibleWindows)
{
    const ShownTarget shown;
    try {
        shown.program.waitForWindow(L"No such caption", std::chrono::milliseconds(100));
        FAIL() << "the wait did not run out";
    } catch (const ui::WaitTimeout& timeout) {
        const std::string message = timeout.what();
        EXPECT_NE(message.find("No such caption"), std::string::npos) << message;
        EXPECT_NE(message.find(ui::toUtf8(target::windowCaption)), std::string::npos) << message;
    }
}

TEST(Keyboard, TabAndShiftTabMoveTheFocus)
{
    const ShownTarget shown;
    ui::bringToForeground(shown.window);
    EXPECT_EQ(ui::foregroundWindow(), shown.window);
    EXPECT_EQ(ui::activeWindow(shown.window), shown.window);
    shown.waitForFocusOn(target::pointerButtonId);
    ui::pressKey(shown.window, VK_TAB);
    shown.waitForFocusOn(target::doneButtonId);
    ui::pressKey(shown.window, VK_TAB, ui::Modifiers::shift);
    shown.waitForFocusOn(target::pointerButtonId);
}

struct Press {
    const char* name;
    std::function<void(const ShownTarget&)> press;
};

const Press donePresses[] = {
    {"Alt+D", [](const ShownTarget& shown) { ui::pressKey(shown.window, 'D', ui::Modifiers::alt); }},
    {"Tab, then Space",
     [](const ShownTarget& shown) {
         ui::pressKey(shown.window, VK_TAB);
         shown.waitForFocusOn(target::doneButtonId);
         ui::pressKey(shown.window, VK_SPACE);
     }},
    {"a real click", [](const ShownTarget& shown) { ui::clickOn(shown.control(target::doneButtonId)); }},
    {"BM_CLICK", [](const ShownTarget& shown) { ui::clickButton(shown.control(target::doneButtonId)); }},
};

TEST(Input, EveryWayOfPressingAButtonReachesIt)
{
    for (const Press& way : donePresses) {
        SCOPED_TRACE(way.name);
        const ShownTarget shown;
        shown.waitForFocusOn(target::pointerButtonId);
        way.press(shown);
        EXPECT_EQ(shown.program.waitForExit(), static_cast<DWORD>(target::exitDone));
    }
}

TEST(Pointer, ReadsTheCursorShownUnderThePointer)
{
    const ShownTarget shown;
    const POINT onButton = ui::centerOf(shown.control(target::pointerButtonId));
    const RECT frame = ui::screenRect(shown.window);
    const POINT onGround{frame.right - 40, frame.bottom - 40};

    const HCURSOR buttonCursor = ui::cursorAt(onButton);
    EXPECT_EQ(ui::cursorImageOnDisplay(), targetCursor());
    const HCURSOR groundCursor = ui::cursorAt(onGround);
    EXPECT_NE(groundCursor, buttonCursor);
    EXPECT_NE(ui::cursorImageOnDisplay(), targetCursor());
    EXPECT_EQ(ui::cursorAt(onButton), buttonCursor);
}

// The pointer's move reaches a thread busy with other work: the cursor is read only once
// that thread has taken the move.
TEST(Pointer, ReadsTheCursorOnceABusyThreadHasTakenTheMove)
{
    const ShownTarget shown(L"window busy");
    const HCURSOR buttonCursor = reinterpret_cast<HCURSOR>(GetWindowLongPtrW(shown.window, GWLP_USERDATA));
    ASSERT_NE(buttonCursor, nullptr);
    const HWND button = shown.control(target::pointerButtonId);
    // The answer comes at once; the thread then works before it looks at its queue again.
    DWORD_PTR reply = 0;
    ASSERT_TRUE(SendMessageTimeoutW(button, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(ui::defaultWait.count()), &reply));
    EXPECT_EQ(ui::cursorAt(ui::centerOf(button)), buttonCursor);
}

TEST(Pointer, ReadsTheShapeOfACursorOfThisProcess)
{
    const target::CursorPlane andPlane = target::cursorAndPlane();
    const target::CursorPlane xorPlane{};
    HCURSOR cursor = CreateCursor(GetModuleHandleW(nullptr), target::cursorHotspotX, target::cursorHotspotY,
                                  target::cursorSize, target::cursorSize, andPlane.data(), xorPlane.data());
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(ui::cursorImageOf(cursor), targetCursor());
    DestroyCursor(cursor);
}

struct Closing {
    const char* name;
    std::function<void(HWND)> close;
};

const Closing closings[] = {
    {"close box", [](HWND window) { ui::closeByCloseBox(window); }},
    {"system menu Close", [](HWND window) { ui::closeBySystemMenu(window); }},
    {"Alt+F4", [](HWND window) { ui::pressKey(window, VK_F4, ui::Modifiers::alt); }},
};

TEST(Closing, EveryWayOfClosingReachesTheWindow)
{
    for (const Closing& way : closings) {
        SCOPED_TRACE(way.name);
        const ShownTarget shown;
        way.close(shown.window);
        EXPECT_EQ(shown.program.waitForExit(), static_cast<DWORD>(target::exitClosed));
    }
}

TEST(Closing, TheCloseBoxLiesAtTheRightEndOfTheCaption)
{
    const ShownTarget shown;
    const POINT closeBox = ui::closeBoxPoint(shown.window);
    const RECT frame = ui::screenRect(shown.window);
    EXPECT_GT(closeBox.x, frame.right - GetSystemMetrics(SM_CXSIZE) - 2 * GetSystemMetrics(SM_CXFRAME));
    EXPECT_GT(closeBox.y, frame.top);
    EXPECT_LT(closeBox.y, frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION));
}

TEST(SessionEnd, ReadsTheAnswerGivenAfterAQuestion)
{
    const ShownTarget shown;
    const struct {
        int button;
        LRESULT reply;
    } answers[] = {{IDNO, FALSE}, {IDYES, TRUE}};
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.button);
        const ui::PendingReply pending = ui::queryEndSession(shown.window);
        const ui::MessageBoxWindow question = ui::MessageBoxWindow::waitFor(shown.program.processId());
        EXPECT_EQ(question.title(), target::sessionEndTitle);
        EXPECT_EQ(question.text(), target::sessionEndText);
        EXPECT_FALSE(pending.reply()) << "a reply came while the question was open";
        question.press(answer.button);
        EXPECT_EQ(pending.waitForReply(), answer.reply);
    }
    ui::endSession(shown.window, true);
    EXPECT_EQ(shown.program.waitForExit(), static_cast<DWORD>(target::exitSessionEnded));
}

// Width and height from the header chunk that opens every PNG file.
std::pair<unsigned, unsigned> pngSize(const std::wstring& path)
{
    std::ifstream file{std::filesystem::path(path), std::ios::binary};
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 24 || !std::equal(std::begin(signature), std::end(signature), bytes.begin()))
        return {0, 0};
    const auto bigEndian = [&](size_t at) {
        return unsigned(bytes[at]) << 24 | unsigned(bytes[at + 1]) << 16 | unsigned(bytes[at + 2]) << 8 | bytes[at + 3];
    };
    return {bigEndian(16), bigEndian(20)};
}

TEST(Screenshot, SavesTheWindowWithItsCaptionAsPng)
{
    const ShownTarget shown;
    const ui::Image image = ui::captureWindow(shown.window);
    ASSERT_EQ(image.width, 420);
    ASSERT_EQ(image.height, 260);
    // Wine draws the caption itself (the session has no window manager), so the top
    // of the window differs from its client area.
    const int captionMiddle = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    EXPECT_NE(image.at(image.width / 2, captionMiddle), image.at(image.width / 2, image.height - 20));

    const std::wstring path = ui::windowsPath(ui::sessionUnixPath() + L"/driver-target-window.png");
    ui::saveScreenshot(shown.window, path);
    EXPECT_EQ(pngSize(path), std::make_pair(420u, 260u));
    std::filesystem::remove(std::filesystem::path(path));
}

} // namespace
