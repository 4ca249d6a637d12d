// Quitting: every way of closing the main window meets the one question, No keeps it,
// Yes ends the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/main_window_fixture.h"
#include "tests/ui_driver/closing.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/pending_reply.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

// One way of closing the main window. The session's end answers its query only after
// the question, so that road hands back the pending reply.
struct CloseRoad {
  const char* name;
  std::function<std::optional<ui::PendingReply>(HWND main, HWND exitButton)> start;
};

class QuitTest : public MainWindowTest, public ::testing::WithParamInterface<CloseRoad> {
 protected:
  // Starts the close and waits for the question, which must be the quit question.
  ui::MessageBoxWindow AskToQuit(std::optional<ui::PendingReply>& reply) {
    if (std::optional<ui::PendingReply> pending = GetParam().start(main, Control(L"Command1"))) {
      reply.emplace(std::move(*pending));
    }
    ui::MessageBoxWindow box = WaitForBox();
    EXPECT_EQ(box.title(), L"Exit");
    EXPECT_EQ(box.text(), L"Are you sure you want to quit ?");
    EXPECT_EQ(box.buttons(), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box.icon(), ui::MessageBoxIcon::none);
    EXPECT_FALSE(ui::isEnabled(main)) << "the main window takes no input while the question is open";
    return box;
  }

  // What a user can see of the main window's state.
  struct MainState {
    std::wstring driveLetter;
    LRESULT pickedDrive;
    bool operator==(const MainState&) const = default;
    friend void PrintTo(const MainState& state, std::ostream* out) {
      *out << "drive letter " << ::testing::PrintToString(state.driveLetter) << ", drive item " << state.pickedDrive;
    }
  };
  MainState StateOfMain() const {
    DWORD_PTR picked = 0;
    SendMessageTimeoutW(Control(L"Drive1"), CB_GETCURSEL, 0, 0, SMTO_NORMAL, 5000, &picked);
    return {ui::caption(Control(L"Label1")), static_cast<LRESULT>(picked)};
  }
};

void PrintTo(const CloseRoad& road, std::ostream* out) { *out << road.name; }

std::optional<ui::PendingReply> Nothing() { return std::nullopt; }

const CloseRoad kCloseRoads[] = {
    {"ExitButtonClicked", [](HWND, HWND exitButton) {
       ui::clickOn(exitButton);
       return Nothing();
     }},
    {"ExitAccessKey", [](HWND main, HWND) {
       ui::pressKey(main, 'E', ui::Modifiers::alt);
       return Nothing();
     }},
    {"CloseBox", [](HWND main, HWND) {
       ui::closeByCloseBox(main);
       return Nothing();
     }},
    {"AltF4", [](HWND main, HWND) {
       ui::pressKey(main, VK_F4, ui::Modifiers::alt);
       return Nothing();
     }},
    {"SystemMenuClose", [](HWND main, HWND) {
       ui::closeBySystemMenu(main);
       return Nothing();
     }},
    {"SessionEnding", [](HWND main, HWND) {
       return std::optional<ui::PendingReply>(ui::queryEndSession(main));
     }},
};

TEST_P(QuitTest, NoKeepsTheWindowAsItWasAndTheNextTryAsksAgain) {
  Start();
  ui::waitUntilIdle(main);
  const MainState before = StateOfMain();
  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE("attempt " + std::to_string(attempt));
    std::optional<ui::PendingReply> reply;
    const ui::MessageBoxWindow box = AskToQuit(reply);
    box.press(IDNO);
    box.waitUntilClosed();
    if (reply) {
      EXPECT_EQ(reply->waitForReply(), FALSE) << "the session may not end";
    }
    ui::waitUntilIdle(main);
    EXPECT_TRUE(NoBox()) << "No shows no further message";
    EXPECT_TRUE(program->isRunning());
    EXPECT_TRUE(ui::isVisible(main));
    EXPECT_TRUE(ui::isEnabled(main));
    EXPECT_EQ(StateOfMain(), before);
    // A second click on the close box this soon would count as a double click.
    POINT ground{1, 1};
    ClientToScreen(main, &ground);
    ui::clickAt(ground);
  }
}

TEST_P(QuitTest, YesEndsTheProgramWithNoFurtherMessage) {
  Start();
  std::optional<ui::PendingReply> reply;
  const ui::MessageBoxWindow box = AskToQuit(reply);
  box.press(IDYES);
  if (reply) {
    EXPECT_EQ(reply->waitForReply(), TRUE) << "the session may end";
    ui::endSession(main, true);
  }
  // A further message would hold the program up, so it would not end.
  EXPECT_EQ(program->waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryRoad, QuitTest, ::testing::ValuesIn(kCloseRoads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, EnterAtTheQuitQuestionAnswersYes) {
  Start();
  ui::clickOn(Control(L"Command1"));
  const ui::MessageBoxWindow box = WaitForBox();
  ui::pressKey(box.handle(), VK_RETURN);
  EXPECT_EQ(program->waitForExit(), 0u);
}

}  // namespace
