// The drive picker and the drive letter it leaves in the hidden label: the list, its first
// drive, a change of drive, and drives that come and go while the program runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <dbt.h>

#include <string>
#include <vector>

#include "tests/ui/main_window_fixture.h"
#include "tests/ui_driver/combo_box.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/mapped_drive.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

bool Lists(HWND picker, wchar_t letter) {
  for (const std::wstring& entry : ui::listEntries(picker)) {
    if (entry[0] == letter) return true;
  }
  return false;
}

class DriveSelectionTest : public MainWindowTest {
 protected:
  std::wstring DriveLetter() const { return ui::caption(Control(L"Label1")); }
};

TEST_F(DriveSelectionTest, TheListHoldsEveryDriveAsTheLetterAndColonAndStartsOnTheCurrentOne) {
  Start();
  HWND picker = Control(L"Drive1");
  EXPECT_TRUE(ui::hasStyle(picker, CBS_DROPDOWNLIST));
  const std::vector<std::wstring> entries = ui::listEntries(picker);
  ASSERT_FALSE(entries.empty());
  wchar_t previous = 0;
  for (const std::wstring& entry : entries) {
    ASSERT_GE(entry.size(), 2u);
    EXPECT_TRUE(entry[0] >= L'a' && entry[0] <= L'z') << "lower case: " << ui::toUtf8(entry);
    EXPECT_EQ(entry[1], L':');
    EXPECT_TRUE(entry.size() == 2 || entry.substr(2, 2) == L" [") << ui::toUtf8(entry);
    EXPECT_GT(entry[0], previous) << "in drive-letter order";
    previous = entry[0];
  }
  for (wchar_t letter : {L'c', L'm', L'q', L'r'}) EXPECT_TRUE(Lists(picker, letter)) << char(letter);
  EXPECT_EQ(ui::selectedEntry(picker).substr(0, 2), L"q:") << "starts on the current drive";
  EXPECT_EQ(DriveLetter(), L"q:") << "the label holds the picker's first two characters from the start";
}

TEST_F(DriveSelectionTest, ChoosingAnotherDriveMovesTheLabelAndTheNextDeleteToIt) {
  ui::createFolder(ui::driveRoot(ui::secondScratchDrive) + L"autorun.inf");
  Start();
  HWND picker = Control(L"Drive1");
  ui::bringToForeground(main);
  ui::pressKey(main, 'R');  // the focus starts on the picker; a letter selects its drive
  EXPECT_TRUE(ui::waitFor("the label to follow", [&] { return DriveLetter() == L"r:"; }));
  EXPECT_EQ(ui::selectedEntry(picker).substr(0, 2), L"r:");
  ui::clickButton(Control(L"cmdHapus"));
  ui::MessageBoxWindow box = WaitForBox();
  EXPECT_EQ(box.title(), L"Confirmation") << "the folder on r: is found";
  box.press(IDCANCEL);
  box.waitUntilClosed();
}

TEST_F(DriveSelectionTest, ADriveThatComesWhileTheProgramRunsIsListedOnADeviceChangeOrADropDown) {
  const std::wstring folders = ui::windowsPath(ui::sessionUnixPath()) + L"\\later-drives\\";
  ui::createFolder(folders + L"p");
  ui::createFolder(folders + L"o");
  Start();
  HWND picker = Control(L"Drive1");
  ASSERT_FALSE(Lists(picker, L'p'));
  ASSERT_FALSE(Lists(picker, L'o'));
  {
    const ui::MappedDrive stick(L'P', ui::sessionUnixPath() + L"/later-drives/p");
    SendMessageW(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
    EXPECT_TRUE(Lists(picker, L'p')) << "listed after the device arrival";
    EXPECT_EQ(DriveLetter(), L"q:") << "the selection stays where it was";

    const ui::MappedDrive card(L'O', ui::sessionUnixPath() + L"/later-drives/o");
    SendMessageW(picker, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(ui::waitFor("the list read afresh", [&] { return Lists(picker, L'o'); }));
    SendMessageW(picker, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(ui::selectedEntry(picker).substr(0, 2), L"q:");
  }
  SendMessageW(main, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0);
  EXPECT_FALSE(Lists(picker, L'p')) << "gone after the device removal";
  EXPECT_FALSE(Lists(picker, L'o'));
}

}  // namespace
