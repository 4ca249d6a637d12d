// The About window as the About button shows it: its frame, controls, texts, picture,
// focus and keys, its modality, and how it closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/owned.h"
#include "resources/resource_ids.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui_driver/closing.h"
#include "tests/ui_driver/display.h"
#include "tests/ui_driver/error.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/program_resources.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

constexpr wchar_t kAboutCaption[] = L"About Kelvorn Drast";
constexpr std::uint32_t kWhite = 0xFFFFFF;

struct AboutControlCase {
  const wchar_t* name;
  int index;
  bool inFrame;
  const wchar_t* className;
  const wchar_t* caption;
  RECT twips;  // left, top, width, height
  std::optional<BoldFont> font;
};

const AboutControlCase kAboutControls[] = {
    {L"Command1", -1, false, L"Button", L"&Close", {720, 2400, 2055, 375}, kBold8},
    {L"Frame1", -1, false, L"Button", L"About Kelvorn Drast", {120, 840, 3255, 1455}, kBold8},
    {L"Label1", 7, true, L"Static", L"2.1", {1440, 1080, 975, 255}, {}},
    {L"Label2", 3, true, L"Static", L":", {1200, 1080, 135, 255}, {}},
    {L"Label1", 6, true, L"Static", L"Version", {240, 1080, 1095, 255}, {}},
    {L"Label1", 4, true, L"Static", L"Quorvel Software", {1440, 720, 1455, 255}, {}},
    {L"Label1", 3, true, L"Static", L"Jorvan Pellis", {1440, 360, 1455, 255}, {}},
    {L"Label2", 1, true, L"Static", L":", {1200, 720, 135, 255}, {}},
    {L"Label2", 0, true, L"Static", L":", {1200, 360, 135, 255}, {}},
    {L"Label1", 1, true, L"Static", L"Publisher", {240, 720, 1095, 255}, {}},
    {L"Label1", 0, true, L"Static", L"Programmer", {240, 360, 1095, 255}, {}},
    {L"Label3", 1, false, L"Static", L"Drast", {2520, 240, 735, 375}, kBold13},
    {L"Label3", 0, false, L"Static", L"Kelvorn", {240, 240, 1215, 375}, kBold13},
    {L"Image1", -1, false, nullptr, L"", {1800, 240, 480, 480}, {}},
};

std::string NameOf(const AboutControlCase& control) {
  std::string name(control.name, control.name + wcslen(control.name));
  if (control.index >= 0) name += "(" + std::to_string(control.index) + ")";
  return name;
}


class AboutWindowTest : public MainWindowTest {
 protected:
  HWND ShowAbout() {
    ui::clickOn(Control(L"Command2"));
    HWND about = program->waitForWindow(kAboutCaption);
    ui::waitUntilIdle(about);
    // Keeps the pointer off the window, so no tooltip covers it.
    ui::movePointerTo({0, 0});
    return about;
  }

  void ExpectClosedWithoutQuestion(HWND about) {
    ui::waitFor("the About window to close", [&] { return !IsWindow(about); });
    ui::waitFor("the main window to take input again", [&] { return ui::isEnabled(main); });
    ui::waitUntilIdle(main);
    EXPECT_TRUE(NoBox()) << "closing the About window asks nothing";
    EXPECT_TRUE(program->isRunning());
    EXPECT_TRUE(ui::isVisible(main));
  }
};

TEST_F(AboutWindowTest, TheWindowHasItsCaptionFixedFrameAndSizeAndIsCentred) {
  Start();
  HWND about = ShowAbout();
  EXPECT_TRUE(ui::hasStyle(about, WS_CAPTION | WS_SYSMENU));
  EXPECT_FALSE(ui::hasStyle(about, WS_MINIMIZEBOX)) << "no minimise button";
  EXPECT_FALSE(ui::hasStyle(about, WS_MAXIMIZEBOX)) << "no maximise button";
  EXPECT_FALSE(ui::hasStyle(about, WS_THICKFRAME)) << "it cannot be resized";
  const RECT client = ui::clientRect(about);
  EXPECT_EQ(client.right, 233);
  EXPECT_EQ(client.bottom, 192);
  const RECT frame = ui::screenRect(about);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(AboutWindowTest, EveryControlHasItsCaptionPlaceAndFont) {
  Start();
  HWND about = ShowAbout();
  HWND frame = AboutControl(about, L"Frame1");
  for (const AboutControlCase& expected : kAboutControls) {
    SCOPED_TRACE(NameOf(expected));
    HWND control = AboutControl(about, expected.name, expected.index);
    if (!control) continue;
    if (expected.className) {
      EXPECT_EQ(ui::className(control), expected.className);
    }
    EXPECT_EQ(ui::caption(control), expected.caption);
    EXPECT_EQ(GetParent(control), expected.inFrame ? frame : about);
    const RECT& twips = expected.twips;
    const RECT place = ui::rectInParent(control);
    EXPECT_EQ(place.left, ui::displayPixels(twips.left));
    EXPECT_EQ(place.top, ui::displayPixels(twips.top));
    EXPECT_EQ(place.right - place.left, ui::displayPixels(twips.right));
    EXPECT_EQ(place.bottom - place.top, ui::displayPixels(twips.bottom));
    if (ui::className(control) == L"Button") {
      ExpectTextShapedBy(control, FontOf(expected.font));
      continue;
    }
    if (ui::className(control) != L"Static") continue;
    // A label's text is checked by its pixels, drawn here in the font it must have, up to
    // where a control above it (a row's colon) covers it.
    RECT onScreen = ui::screenRect(control);
    const SIZE size{onScreen.right - onScreen.left, onScreen.bottom - onScreen.top};
    for (HWND above = GetWindow(control, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
      RECT cover = ui::screenRect(above);
      RECT overlap;
      if (IntersectRect(&overlap, &cover, &onScreen)) onScreen.right = std::min(onScreen.right, cover.left);
    }
    const ui::Image shown = ui::captureScreen(onScreen);
    // Black on white, as a Static draws it.
    const ui::Image drawn = ui::drawText(
        expected.caption, size, {FontOf(expected.font), ui::systemColour(COLOR_WINDOWTEXT), kWhite, ui::labelFormat});
    bool same = true;
    for (int y = 0; y < shown.height; ++y) {
      for (int x = 0; x < shown.width; ++x) same = same && shown.at(x, y) == drawn.at(x, y);
    }
    EXPECT_TRUE(same) << "the text is not drawn in the " << (expected.font ? "bold" : "window's default") << " font";
  }
  EXPECT_EQ(ui::childControls(about).size(), std::size(kAboutControls)) << "no other controls";
}

TEST_F(AboutWindowTest, EachColonShowsAboveItsRowsCaption) {
  Start();
  HWND about = ShowAbout();
  const struct {
    int colon;
    int caption;
  } rows[] = {{0, 0}, {1, 1}, {3, 6}};
  for (const auto& row : rows) {
    SCOPED_TRACE("Label2(" + std::to_string(row.colon) + ")");
    HWND colon = AboutControl(about, L"Label2", row.colon);
    HWND caption = AboutControl(about, L"Label1", row.caption);
    bool captionBelow = false;
    for (HWND next = GetWindow(colon, GW_HWNDNEXT); next && !captionBelow; next = GetWindow(next, GW_HWNDNEXT)) {
      captionBelow = next == caption;
    }
    EXPECT_TRUE(captionBelow) << "the colon lies under its row's caption";
    const ui::Image shown = ui::captureScreen(ui::screenRect(colon));
    EXPECT_LT(ui::countOf(shown, kWhite), static_cast<int>(shown.pixels.size())) << "the colon does not show";
  }
}

TEST_F(AboutWindowTest, ThePictureIsTheProgramIconAt32By32) {
  Start();
  HWND about = ShowAbout();
  HWND picture = AboutControl(about, L"Image1");
  const forms::OwnedIcon icon(static_cast<HICON>(ui::loadProgramImage(IDI_PROGRAM_ICON, IMAGE_ICON, {32, 32}, 0)));
  const ui::Image expected = ui::drawIcon(icon.Get(), {32, 32}, kWhite);
  const ui::Image shown = ui::captureScreen(ui::screenRect(picture));
  EXPECT_TRUE(shown.pixels == expected.pixels) << "the icon is not drawn as it is, at 32 by 32";
}

TEST_F(AboutWindowTest, TheCloseButtonHasTheFocus) {
  Start();
  HWND about = ShowAbout();
  EXPECT_EQ(ui::focusedWindow(about), AboutControl(about, L"Command1"));
  EXPECT_EQ(ui::activeWindow(about), about);
}

TEST_F(AboutWindowTest, WhileItIsShownTheMainWindowTakesNoInput) {
  Start();
  HWND about = ShowAbout();
  EXPECT_FALSE(ui::isEnabled(main));
  // Real clicks on the main window's buttons and links.
  for (const wchar_t* name : {L"Command1", L"Command2", L"cmdHapus", L"Label5"}) {
    ui::clickOn(Control(name));
  }
  // The main window's access keys, typed while the About window is in front.
  for (WORD key : {'E', 'A', 'D'}) ui::pressKey(about, key, ui::Modifiers::alt);
  ui::waitUntilIdle(main);
  EXPECT_TRUE(NoBox());
  EXPECT_TRUE(OpenedAddresses().empty());
  EXPECT_TRUE(IsWindow(about));
  EXPECT_EQ(ui::findTopLevel(program->processId(), L"", kAboutCaption), about) << "one About window only";
}

// One way of closing the About window.
struct AboutCloseRoad {
  const char* name;
  std::function<void(HWND about, HWND closeButton)> close;
};

void PrintTo(const AboutCloseRoad& road, std::ostream* out) { *out << road.name; }

const AboutCloseRoad kAboutCloseRoads[] = {
    {"CloseButtonClicked", [](HWND, HWND closeButton) { ui::clickOn(closeButton); }},
    {"AltC", [](HWND about, HWND) { ui::pressKey(about, 'C', ui::Modifiers::alt); }},
    {"Enter", [](HWND about, HWND) { ui::pressKey(about, VK_RETURN); }},
    {"Space", [](HWND about, HWND) { ui::pressKey(about, VK_SPACE); }},
    {"CloseBox", [](HWND about, HWND) { ui::closeByCloseBox(about); }},
};

class AboutClosingTest : public AboutWindowTest, public ::testing::WithParamInterface<AboutCloseRoad> {};

TEST_P(AboutClosingTest, ClosesWithoutAQuestionAndTheNextShowingLooksTheSame) {
  Start();
  HWND first = ShowAbout();
  const RECT firstPlace = ui::screenRect(first);
  const ui::Image firstLook = ui::captureWindow(first);
  GetParam().close(first, AboutControl(first, L"Command1"));
  ExpectClosedWithoutQuestion(first);
  EXPECT_EQ(ui::activeWindow(main), main) << "the main window is active again";

  HWND second = ShowAbout();
  const RECT secondPlace = ui::screenRect(second);
  EXPECT_TRUE(EqualRect(&firstPlace, &secondPlace)) << "the second showing stands elsewhere";
  EXPECT_TRUE(ui::captureWindow(second).pixels == firstLook.pixels) << "the second showing looks different";
  GetParam().close(second, AboutControl(second, L"Command1"));
  ExpectClosedWithoutQuestion(second);
}

INSTANTIATE_TEST_SUITE_P(EveryRoad, AboutClosingTest, ::testing::ValuesIn(kAboutCloseRoads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutWindowTest, EscapeDoesNotCloseIt) {
  Start();
  HWND about = ShowAbout();
  ui::pressKey(about, VK_ESCAPE);
  ui::waitUntilIdle(about);
  EXPECT_TRUE(ui::isVisible(about));
  EXPECT_FALSE(ui::isEnabled(main));
}

TEST_F(AboutWindowTest, ClosingItRefreshesTheDriveLetterFromThePicker) {
  Start();
  HWND driveLetter = Control(L"Label1");
  ui::waitUntilIdle(main);
  // The program started on the scratch drive, so the picker shows it.
  const std::wstring picked = ui::caption(driveLetter);
  ASSERT_EQ(picked, L"q:");
  // Something else in the label, which only the main window's activation puts right.
  SendMessageTimeoutW(driveLetter, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x:"), SMTO_NORMAL, 5000, nullptr);
  ASSERT_EQ(ui::caption(driveLetter), L"x:");
  HWND about = ShowAbout();
  ui::clickOn(AboutControl(about, L"Command1"));
  ExpectClosedWithoutQuestion(about);
  ui::waitFor("the drive letter to be refreshed", [&] { return ui::caption(driveLetter) == picked; });
}

}  // namespace
