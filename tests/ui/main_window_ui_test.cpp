// The main window as the user finds it: frame, controls, focus, keys and pointers.
#include <gtest/gtest.h>
#include <windows.h>

#include "main_window_fixture.h"
#include "ui_driver/input.h"
#include "ui_driver/window_query.h"

namespace {

constexpr int kDpi = 96;  // the test display's

int Pixels(int twips) { return MulDiv(twips, kDpi, 1440); }

TEST_F(MainWindowTest, TheWindowHasItsCaptionAndFixedFrameAndIsCentred) {
  Start();
  EXPECT_EQ(ui::caption(main), L"Kelvorn Drast 2.1");
  EXPECT_TRUE(ui::hasStyle(main, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_FALSE(ui::hasStyle(main, WS_MAXIMIZEBOX)) << "it cannot be maximised";
  EXPECT_FALSE(ui::hasStyle(main, WS_THICKFRAME)) << "it cannot be resized";
  const RECT client = ui::clientRect(main);
  EXPECT_EQ(client.right, Pixels(6375));
  EXPECT_EQ(client.bottom, Pixels(3840));
  const RECT frame = ui::screenRect(main);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

}  // namespace
