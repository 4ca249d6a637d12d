// A window of the runtime with and without the common controls: their tooltips need them,
// nothing else does, and their absence brings no message. (The program's own windows ask
// for the common controls 6.0 in their manifest, which has the system route even buttons
// through them; this program has no manifest, so its controls are the system's own.)
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "tests/forms/failing_handlers_contract.h"
#include "tests/ui_driver/closing.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/load_order.h"
#include "tests/ui_driver/message_box.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/program.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

namespace target = failing_handlers;

struct Library {
  const char* name;
  bool available;
};

void PrintTo(const Library& library, std::ostream* out) { *out << library.name; }

bool HasToolTips(DWORD processId) {
  for (HWND window : ui::topLevelWindows(processId)) {
    if (ui::className(window) == L"tooltips_class32") return true;
  }
  return false;
}

class CommonControlsTest : public testing::TestWithParam<Library> {};

TEST_P(CommonControlsTest, TheWindowOpensWithoutAWordAndHasTooltipsOnlyWithTheLibrary) {
  std::optional<ui::LoadOrder> missing;
  if (!GetParam().available) missing.emplace(L"comctl32", L"");
  ui::Program program{ui::ProgramStart{ui::besideThisExe(L"failing_handlers.exe"), {}, {}, {}}};
  HWND window = program.waitForWindow(target::kWindowCaption);
  ui::waitUntilIdle(window);
  EXPECT_FALSE(ui::MessageBoxWindow::find(program.processId()).has_value()) << "a box came at start";
  EXPECT_EQ(HasToolTips(program.processId()), GetParam().available);

  HWND count = ui::findControl(window, L"Static", L"0");
  ASSERT_NE(count, nullptr);
  ui::clickButton(ui::findControl(window, L"Button", target::kCountButton));
  EXPECT_TRUE(ui::waitFor("the click to be handled", [&] { return ui::caption(count) == L"1"; }));
  ui::closeBySystemMenu(window);
  EXPECT_EQ(program.waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Libraries, CommonControlsTest,
                         testing::Values(Library{"Available", true}, Library{"Missing", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
