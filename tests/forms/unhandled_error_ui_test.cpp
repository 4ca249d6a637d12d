// The runtime's default handling of an error that leaves an event handler, seen from
// outside as the user sees it: a box with the error's number and text under the project's
// title, OK only, the critical icon; after OK the program goes on.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/forms/failing_handlers_contract.h"
#include "tests/ui_driver/closing.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/message_box.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/program.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

namespace target = failing_handlers;

struct FailingHandler {
  const char* name;
  const wchar_t* button;
  const wchar_t* text;  // of the box
};

void PrintTo(const FailingHandler& handler, std::ostream* out) { *out << handler.name; }

const FailingHandler kFailingHandlers[] = {
    {"RuntimeError", target::kRuntimeErrorButton, L"Run-time error '53':\r\n\r\nFile not found"},
    {"OutOfMemory", target::kOutOfMemoryButton, L"Run-time error '7':\r\n\r\nOut of memory"},
    {"OtherException", target::kOtherExceptionButton, L"Run-time error '51':\r\n\r\nInternal error"},
};

class UnhandledErrorTest : public testing::TestWithParam<FailingHandler> {
 protected:
  HWND Button(const wchar_t* caption) const {
    HWND button = ui::findControl(window, L"Button", caption);
    EXPECT_NE(button, nullptr) << "no such button";
    return button;
  }

  bool NoBox() const { return !ui::MessageBoxWindow::find(program.processId()).has_value(); }

  ui::Program program{ui::ProgramStart{ui::besideThisExe(L"failing_handlers.exe"), {}, {}, {}}};
  HWND window = program.waitForWindow(target::kWindowCaption);
};

TEST_P(UnhandledErrorTest, EachClickShowsTheErrorAndAfterOkTheProgramGoesOn) {
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    ui::clickButton(Button(GetParam().button));
    const ui::MessageBoxWindow box = ui::MessageBoxWindow::waitFor(program.processId());
    EXPECT_EQ(box.text(), GetParam().text);
    EXPECT_EQ(box.title(), target::kProjectTitle);
    EXPECT_EQ(box.buttons(), std::vector<int>{IDOK});
    EXPECT_EQ(box.icon(), ui::MessageBoxIcon::hand);
    EXPECT_FALSE(ui::isEnabled(window)) << "the window takes input while the box is up";
    box.press(IDOK);
    box.waitUntilClosed();
    ui::waitUntilIdle(window);
    EXPECT_TRUE(NoBox()) << "a further box followed";
    EXPECT_TRUE(ui::isEnabled(window));
  }
  // Another handler still runs, and the program ends as usual when its window closes.
  HWND count = ui::findControl(window, L"Static", L"0");
  ASSERT_NE(count, nullptr);
  ui::clickButton(Button(target::kCountButton));
  ui::waitFor("the count's click to be handled", [&] { return ui::caption(count) == L"1"; });
  ui::closeBySystemMenu(window);
  EXPECT_EQ(program.waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Errors, UnhandledErrorTest, testing::ValuesIn(kFailingHandlers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
