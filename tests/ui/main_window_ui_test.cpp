// The main window as the user finds it: frame, controls, focus, keys, pointers, colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "forms/owned.h"
#include "resources/resource_ids.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui_driver/cursor_image.h"
#include "tests/ui_driver/display.h"
#include "tests/ui_driver/fonts.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/processes.h"
#include "tests/ui_driver/program_resources.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

// Each control that shows a text, and the font it is drawn in; a label also gives its
// colour (none: the system's window text colour) and layout.
struct TextCase {
  const wchar_t* name;
  std::optional<BoldFont> font;
  std::optional<std::uint32_t> colour = {};
  UINT format = ui::labelFormat;
};

const TextCase kTexts[] = {
    {L"Command2", kBold8},
    {L"Command1", kBold8},
    {L"cmdHapus", kBold13},
    {L"Frame1", {}},
    {L"Drive1", {}},
    {L"Label6", kBold8, kBlue},
    {L"Label5", kBold8, kBlue},
    {L"Label3", kBold9, kRed},
    {L"Label2", {}, {}, ui::centredLabelFormat},
    {L"Label4", kBold18, kRed},
};

const TextCase& TextOf(std::wstring_view name) {
  for (const TextCase& text : kTexts) {
    if (text.name == name) return text;
  }
  throw std::invalid_argument("no text case for " + ui::toUtf8(name));
}

TEST_F(MainWindowTest, TheWindowHasItsCaptionAndFixedFrameAndIsCentred) {
  Start();
  EXPECT_EQ(ui::caption(main), L"Kelvorn Drast 2.1");
  EXPECT_TRUE(ui::hasStyle(main, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_FALSE(ui::hasStyle(main, WS_MAXIMIZEBOX)) << "it cannot be maximised";
  EXPECT_FALSE(ui::hasStyle(main, WS_THICKFRAME)) << "it cannot be resized";
  const RECT client = ui::clientRect(main);
  EXPECT_EQ(client.right, ui::displayPixels(6375));
  EXPECT_EQ(client.bottom, ui::displayPixels(3840));
  const RECT frame = ui::screenRect(main);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(MainWindowTest, TheControlsComeFromTheCommonControlsThatTheManifestAsksFor) {
  Start();
  // Bound at run time from the system directory, the library is still the side-by-side
  // version 6.0 that the manifest names, not the system folder's older one.
  const std::wstring path = ui::lowerCase(ui::loadedModulePath(program->processId(), L"comctl32.dll"));
  EXPECT_NE(path.find(L"\\winsxs\\"), std::wstring::npos) << ui::toUtf8(path);
  EXPECT_NE(path.find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos) << ui::toUtf8(path);
  bool toolTips = false;
  for (HWND window : ui::topLevelWindows(program->processId())) {
    toolTips = toolTips || ui::className(window) == L"tooltips_class32";
  }
  EXPECT_TRUE(toolTips) << "the buttons' tooltips";
}

TEST_F(MainWindowTest, EveryControlStandsWhereItBelongsWithItsCaption) {
  struct Expected {
    const wchar_t* name;
    const wchar_t* className;
    const wchar_t* caption;  // null: not compared
    int left, top, width, height;  // twips; width 0: fitted to the caption
    bool visible;
  };
  const Expected controls[] = {
      {L"Command2", L"Button", L"&About", 4080, 3360, 975, 375, true},
      {L"Command1", L"Button", L"&Exit", 5280, 3360, 975, 375, true},
      {L"cmdHapus", L"Button", L"&Delete Autorun.inf", 3000, 1080, 3255, 975, true},
      {L"Frame1", L"Button", L"Select Drive", 120, 960, 2775, 1095, true},
      {L"Drive1", L"ComboBox", nullptr, 120, 480, 2535, 0, true},
      {L"Label6", L"Static", L"http://support.microsoft.com/kb/279868", 120, 3480, 0, 0, true},
      {L"Label5", L"Static", L"http://support.microsoft.com/kb/120716", 120, 3200, 0, 0, true},
      {L"Label3", L"Static", L"For more information, go here:", 120, 2895, 0, 0, true},
      {L"Label1", L"Static", nullptr, 120, 1800, 2655, 255, false},
      {L"Label2", L"Static",
       L"Windows Operating System does not allow to delete Autorun.inf folder because in it there are the names "
       L"of the folders that lead users are not permitted to remove manually, namely: con, aux, and nul.xxxxxxx.",
       360, 2160, 5655, 675, true},
      {L"Image1", nullptr, nullptr, 360, 120, 675, 705, true},
      {L"Label4", L"Static", L"Erasers Folders Autorun.inf", 1320, 240, 0, 0, true},
  };
  Start();
  HWND above = nullptr;
  for (const Expected& e : controls) {
    SCOPED_TRACE(testing::Message() << std::string(e.name, e.name + wcslen(e.name)));
    HWND control = Control(e.name);
    ASSERT_NE(control, nullptr);
    if (e.className) {
      EXPECT_EQ(ui::className(control), e.className);
    }
    if (e.caption) {
      EXPECT_EQ(ui::caption(control), e.caption);
    }
    EXPECT_EQ(ui::isVisible(control), e.visible);
    const RECT place = ui::rectInParent(control);
    EXPECT_EQ(place.left, ui::displayPixels(e.left));
    EXPECT_EQ(place.top, ui::displayPixels(e.top));
    if (e.width) {
      EXPECT_EQ(place.right - place.left, ui::displayPixels(e.width));
    }
    if (e.height) {
      EXPECT_EQ(place.bottom - place.top, ui::displayPixels(e.height));
    }
    if (!e.width) {
      // Fitted to one line of its caption in its font, and no wider than the window.
      const SIZE fitted = ui::textExtent(e.caption, FontOf(TextOf(e.name).font), DT_SINGLELINE);
      EXPECT_EQ(place.right - place.left, fitted.cx);
      EXPECT_EQ(place.bottom - place.top, fitted.cy);
      EXPECT_LE(place.right, ui::displayPixels(6375));
    }
    // Listed earlier, lying higher: each control of the window lies below the one before.
    if (GetParent(control) == main) {
      if (above) {
        HWND next = above;
        while (next && next != control) next = GetWindow(next, GW_HWNDNEXT);
        EXPECT_EQ(next, control) << "stacking order";
      }
      above = control;
    }
  }
  EXPECT_EQ(GetParent(Control(L"Drive1")), Control(L"Frame1")) << "the drive picker sits inside the frame";
}

// A label by all its pixels, as the About window's are; any other control by the shape
// of its text.
void ExpectDrawnInItsFont(HWND control, const TextCase& expected) {
  const LOGFONTW font = FontOf(expected.font);
  if (ui::className(control) != L"Static") {
    ExpectTextShapedBy(control, font);
    return;
  }
  const RECT box = ui::screenRect(control);
  const std::uint32_t colour = expected.colour.value_or(ui::systemColour(COLOR_WINDOWTEXT));
  const ui::Image drawn = ui::drawText(ui::shownText(control), {box.right - box.left, box.bottom - box.top},
                                       {font, colour, kWhite, expected.format});
  EXPECT_TRUE(ui::captureScreen(box).pixels == drawn.pixels) << "the text is not drawn in its font";
}

TEST_F(MainWindowTest, EveryTextIsDrawnInItsFont) {
  Start();
  HWND picker = Control(L"Drive1");
  ui::waitFor("the focus on the drive picker", [&] { return ui::focusedWindow(main) == picker; });
  ui::movePointerTo({0, 0});  // no tooltip over the controls
  for (const TextCase& expected : kTexts) {
    SCOPED_TRACE(ui::toUtf8(expected.name));
    // The drive picker shows its text highlighted while it has the focus.
    if (expected.name != std::wstring_view(L"Drive1")) ExpectDrawnInItsFont(Control(expected.name), expected);
  }
  SCOPED_TRACE("Drive1");
  ui::pressKey(main, VK_TAB);
  ui::waitFor("the focus to leave the drive picker", [&] { return ui::focusedWindow(main) != picker; });
  ExpectDrawnInItsFont(picker, TextOf(L"Drive1"));
}

TEST_F(MainWindowTest, TheDriveLetterLabelIsNeverSeen) {
  Start();
  HWND label = Control(L"Label1");
  EXPECT_FALSE(ui::isVisible(label));
  // Its box lies wholly inside the frame's.
  RECT frame = ui::screenRect(Control(L"Frame1"));
  RECT box = ui::screenRect(label);
  RECT both;
  IntersectRect(&both, &frame, &box);
  EXPECT_TRUE(EqualRect(&both, &box));
}

TEST_F(MainWindowTest, FocusStartsOnTheDrivePickerAndTabFollowsTheTabOrder) {
  Start();
  HWND picker = Control(L"Drive1");
  EXPECT_TRUE(ui::waitFor("the focus on the drive picker", [&] { return ui::focusedWindow(main) == picker; }));
  const wchar_t* forward[] = {L"cmdHapus", L"Command1", L"Command2", L"Drive1"};
  for (const wchar_t* name : forward) {
    ui::pressKey(main, VK_TAB);
    HWND expected = Control(name);
    EXPECT_EQ(ui::waitFor("focus", [&] { return ui::focusedWindow(main) == expected; }), true)
        << std::string(name, name + wcslen(name));
  }
  const wchar_t* backward[] = {L"Command2", L"Command1", L"cmdHapus", L"Drive1"};
  for (const wchar_t* name : backward) {
    ui::pressKey(main, VK_TAB, ui::Modifiers::shift);
    HWND expected = Control(name);
    EXPECT_EQ(ui::waitFor("focus", [&] { return ui::focusedWindow(main) == expected; }), true)
        << std::string(name, name + wcslen(name));
  }
}

// What each access key opens: its button's first box, answered so that the program goes
// on, or the About window.
struct AccessKeyCase {
  const char* button;
  WORD key;
  const wchar_t* boxTitle;  // null: the About window
  int answer;
};

const AccessKeyCase kAccessKeys[] = {
    {"Delete, which finds nothing on an empty drive", 'D', L"Attention !", IDOK},
    {"Exit", 'E', L"Exit", IDNO},
    {"About", 'A', nullptr, 0},
};

TEST_F(MainWindowTest, AccessKeysPressTheirButtons) {
  Start();
  for (const AccessKeyCase& access : kAccessKeys) {
    SCOPED_TRACE(std::string("Alt+") + static_cast<char>(access.key) + " is " + access.button);
    ui::pressKey(main, access.key, ui::Modifiers::alt);
    if (!access.boxTitle) {
      HWND about = program->waitForWindow(L"About Kelvorn Drast");
      ui::clickButton(AboutControl(about, L"Command1"));
      ui::waitFor("the About window to close", [&] { return !IsWindow(about) || !ui::isVisible(about); });
      continue;
    }
    ui::MessageBoxWindow box = WaitForBox();
    EXPECT_EQ(box.title(), access.boxTitle);
    box.press(access.answer);
    box.waitUntilClosed();
  }
  EXPECT_TRUE(program->isRunning());
}

TEST_F(MainWindowTest, EnterAndSpacePressOnlyTheFocusedButtonAndEscapeNone) {
  Start();
  ui::pressKey(main, VK_RETURN);  // on the drive picker
  ui::pressKey(main, VK_ESCAPE);
  ui::waitUntilIdle(main);  // a box that the keys opened would be up once they are handled
  EXPECT_TRUE(NoBox());

  ui::pressKey(main, VK_TAB);  // to Delete
  for (WORD key : {WORD{VK_RETURN}, WORD{VK_SPACE}}) {
    ui::pressKey(main, key);
    ui::MessageBoxWindow box = WaitForBox();
    EXPECT_EQ(box.title(), L"Attention !") << "key " << key;
    box.press(IDOK);
    box.waitUntilClosed();
  }
}

TEST_F(MainWindowTest, TheHandShowsOverTheButtonsAndLinksAndTheArrowElsewhere) {
  const forms::Owned<HCURSOR, DestroyCursor> handCursor(
      static_cast<HCURSOR>(ui::loadProgramImage(IDC_HAND_CURSOR, IMAGE_CURSOR, {}, LR_DEFAULTSIZE)));
  const ui::CursorImage hand = ui::cursorImageOf(handCursor.Get());
  EXPECT_EQ(hand.hotspotX, 0);
  EXPECT_EQ(hand.hotspotY, 0);

  Start();
  ui::bringToForeground(main);
  for (const wchar_t* name : {L"Command2", L"Command1", L"cmdHapus", L"Label6", L"Label5"}) {
    EXPECT_EQ(SettledCursorAt(ui::centerOf(Control(name))), hand) << std::string(name, name + wcslen(name));
  }
  // The window's bare ground shows the arrow; so do the other controls.
  const RECT client = ui::screenRect(main);
  const ui::CursorImage arrow = SettledCursorAt({client.right - 20, client.bottom - 60});
  EXPECT_NE(arrow, hand);
  for (const wchar_t* name : {L"Label2", L"Label4", L"Label3", L"Image1", L"Drive1"}) {
    EXPECT_EQ(SettledCursorAt(ui::centerOf(Control(name))), arrow) << std::string(name, name + wcslen(name));
  }
}

// Counts of pixels by colour inside a control's box, as the screen shows it.
struct Colours {
  int white = 0, red = 0, blue = 0, other = 0;
};

Colours ColoursIn(HWND control) {
  const ui::Image image = ui::captureScreen(ui::screenRect(control));
  Colours counts{ui::countOf(image, kWhite), ui::countOf(image, kRed), ui::countOf(image, kBlue)};
  counts.other = static_cast<int>(image.pixels.size()) - counts.white - counts.red - counts.blue;
  return counts;
}

TEST_F(MainWindowTest, LabelsShowTheWindowsWhiteWithRedHeadingsAndBlueLinks) {
  Start();
  ui::bringToForeground(main);
  ui::movePointerTo({0, 0});  // no tooltip over the labels
  struct Expected {
    const wchar_t* name;
    bool red, blue;
  };
  const Expected labels[] = {
      {L"Label4", true, false}, {L"Label3", true, false}, {L"Label5", false, true},
      {L"Label6", false, true}, {L"Label2", false, false},
  };
  for (const Expected& e : labels) {
    SCOPED_TRACE(testing::Message() << std::string(e.name, e.name + wcslen(e.name)));
    const Colours colours = ColoursIn(Control(e.name));
    EXPECT_GT(colours.white, colours.red + colours.blue + colours.other) << "the ground is white";
    EXPECT_EQ(colours.red > 0, e.red);
    EXPECT_EQ(colours.blue > 0, e.blue);
  }
}

// The program's folder picture drawn here as a box of that size shows it: stretched to
// fill it, or at its own 37 by 39 in the top-left corner.
ui::Image FolderPictureIn(SIZE box, bool stretched) {
  const forms::OwnedBitmap picture(static_cast<HBITMAP>(
      ui::loadProgramImage(IDB_FOLDER_PICTURE, IMAGE_BITMAP, {}, LR_CREATEDIBSECTION)));
  return ui::drawBitmap(picture.Get(), box, stretched ? box : SIZE{37, 39}, kWhite);
}

TEST_F(MainWindowTest, ThePictureFillsItsWholeBox) {
  Start();
  ui::bringToForeground(main);
  HWND image = Control(L"Image1");
  const RECT box = ui::screenRect(image);
  const SIZE size{box.right - box.left, box.bottom - box.top};
  EXPECT_EQ(size.cx, 45);
  EXPECT_EQ(size.cy, 47);
  const ui::Image shown = ui::captureScreen(box);
  ASSERT_EQ(shown.pixels.size(), static_cast<size_t>(size.cx * size.cy));
  EXPECT_EQ(ui::differentPixels(shown, FolderPictureIn(size, true)), 0);
  EXPECT_GT(ui::differentPixels(shown, FolderPictureIn(size, false)), 100) << "not merely drawn at its own size";
}

}  // namespace
