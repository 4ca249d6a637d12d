// A drive with a volume label, as most sticks have: the picker shows the label, while the
// drive letter label, the command line and the removal use the letter and colon alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/ui/main_window_fixture.h"
#include "tests/ui/removal_boxes.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/window_query.h"

namespace {

std::wstring Root() { return ui::driveRoot(ui::labelledDrive); }

// The label lives at the drive's root, which nothing empties: only the folder is made
// and cleared here.
class LabelledDriveTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ui::removeTree(Root() + L"autorun.inf");
    for (const wchar_t* inside : {L"con", L"aux", L"nul.1234567"}) ui::createFolder(Root() + L"autorun.inf\\" + inside);
  }
};

TEST_F(LabelledDriveTest, ThePickerShowsTheLabelAndTheRemovalUsesTheLetterAlone) {
  Start({.currentDirectory = Root()});
  EXPECT_EQ(ui::shownText(Control(L"Drive1")), std::wstring(L"l: [") + ui::labelledDriveLabel + L"]");
  EXPECT_EQ(ui::caption(Control(L"Label1")), L"l:");

  ui::clickButton(Control(L"cmdHapus"));
  const ui::MessageBoxWindow confirmation = WaitForBox();
  ExpectBox(confirmation, kConfirmationBox);
  confirmation.press(IDOK);
  confirmation.waitUntilClosed();
  const ui::MessageBoxWindow outcome = WaitForBox();
  ExpectBox(outcome, kDeletedBox);
  outcome.press(IDOK);
  outcome.waitUntilClosed();

  const auto starts = InterpreterStarts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, L"cmd /c rd /s /q \\\\.\\l:\\autorun.inf");
  EXPECT_FALSE(ui::pathExists(Root() + L"autorun.inf"));
  EXPECT_TRUE(ui::pathExists(Root() + L".windows-label")) << "only the folder goes";
}

}  // namespace
