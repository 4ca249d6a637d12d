// A UI test's program: Kelvorn Drast started on a scratch drive, its main window found,
// its controls looked up by the names the window's description gives them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/ui_driver/cursor_image.h"
#include "tests/ui_driver/load_order.h"
#include "tests/ui_driver/message_box.h"
#include "tests/ui_driver/program.h"

// A font that a control sets: every one is "MS Sans Serif", bold, at some size. None
// means the window's default font, which is not bold.
struct BoldFont {
  double points;
};
inline constexpr BoldFont kBold8{8.25};
inline constexpr BoldFont kBold9{9.75};
inline constexpr BoldFont kBold13{13.5};
inline constexpr BoldFont kBold18{18};

// The font that a control with that setting draws with, on the test display (96 dpi).
LOGFONTW FontOf(const std::optional<BoldFont>& font);

// Expects the text that a button, a frame or a drop-down list shows to have the shape that
// `font` gives it: where the control shows its text, the pixels of exactly the text's
// colour against the same text drawn here, wherever each stands.
void ExpectTextShapedBy(HWND control, const LOGFONTW& font);

struct StartOptions {
  // The stand-in interpreter that really removes through \\.\ paths; without it
  // Wine's own cmd runs, which removes nothing that way.
  bool standInInterpreter = true;
  // The current directory decides the drive picker's first drive.
  std::wstring currentDirectory = L"Q:\\";
  // Further variables for the program and what it starts, e.g. CMD_STANDIN_DELAY_MS.
  std::vector<ui::EnvironmentVariable> environment;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Starts the program (SetUp does not) and waits for its main window.
  void Start(const StartOptions& options = {});

  // A control of the main window by its name, e.g. L"cmdHapus".
  HWND Control(std::wstring_view name) const;
  // A control of the About window by its name and control-array index.
  static HWND AboutControl(HWND about, std::wstring_view name, int index = -1);

  // The command lines that the stand-in interpreter was started with, their show states and
  // current folders.
  struct Started {
    std::wstring showState;
    std::wstring exe;
    std::wstring currentFolder;
    std::wstring commandLine;
  };
  std::vector<Started> InterpreterStarts() const;
  // The addresses that the http handler was started with.
  std::vector<std::wstring> OpenedAddresses() const;
  // Each start of the http handler: its show state ("show=1"), current folder and address.
  struct Opened {
    std::wstring showState;
    std::wstring folder;
    std::wstring address;
  };
  std::vector<Opened> Openings() const;

  ui::MessageBoxWindow WaitForBox() const;
  // True while no message box of the program is open.
  bool NoBox() const;

  std::optional<ui::Program> program;
  HWND main = nullptr;

 private:
  std::optional<ui::LoadOrder> builtInInterpreter_;
  std::wstring interpreterLog_;
  std::wstring addressLog_;
};

// "Q:\autorun.inf" and the like, on the scratch drive.
std::wstring OnScratchDrive(std::wstring_view relative);

// The pointer image over that point once it has stopped changing: while a program
// starts, the display shows a passing busy pointer.
ui::CursorImage SettledCursorAt(POINT point);
