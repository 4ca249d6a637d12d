// The Delete button through the real program: what it finds, asks, starts and reports,
// and what is left on the drive afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
// After windows.h, which it needs.
#include <dbt.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "main_window/system_interpreter.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/removal_boxes.h"
#include "tests/ui_driver/combo_box.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/mapped_drive.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/processes.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/unix_program.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

const std::wstring kExpectedCommand = L"cmd /c rd /s /q \\\\.\\q:\\autorun.inf";

std::wstring Folder() { return OnScratchDrive(L"autorun.inf"); }
std::wstring ReadOnlyFile() { return Folder() + L"\\nested\\deeper\\kept.txt"; }

// What the folder holds on a stick that the tool is meant for.
void MakeReservedNameTree() {
  for (const wchar_t* inside : {L"\\con", L"\\aux", L"\\nul.1234567", L"\\nested\\deeper"}) {
    ui::createFolder(Folder() + inside);
  }
  ui::createFile(Folder() + L"\\con\\inside.txt", "in a reserved name");
  ui::createFile(ReadOnlyFile(), "read-only");
  ui::setAttributes(ReadOnlyFile(), FILE_ATTRIBUTE_READONLY);
}

void MakeGuardedTree() {
  MakeReservedNameTree();
  ui::setAttributes(Folder(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
}

// A cmd.exe where the system's search for "cmd" would look before the system folder: a
// copy of the session's stand-in, whose log would name the copy if it ever ran.
class PlantedInterpreter {
 public:
  explicit PlantedInterpreter(std::wstring folder) : path_(std::move(folder) + L"\\cmd.exe") {
    if (!CopyFileW(SystemCommandInterpreter().c_str(), path_.c_str(), TRUE)) {
      ADD_FAILURE() << "could not plant cmd.exe, error " << GetLastError();
    }
  }
  ~PlantedInterpreter() {
    // The exe's folder is the build folder: nothing planted may stay there.
    if (!DeleteFileW(path_.c_str())) ADD_FAILURE() << "the planted cmd.exe stays, error " << GetLastError();
  }
  PlantedInterpreter(const PlantedInterpreter&) = delete;
  PlantedInterpreter& operator=(const PlantedInterpreter&) = delete;

 private:
  std::wstring path_;
};

class RemovalTest : public MainWindowTest {
 protected:
  ui::MessageBoxWindow ClickDelete() const {
    ui::clickButton(Control(L"cmdHapus"));
    return WaitForBox();
  }

  // Answers the box and checks that the click ends without another one.
  void AnswerLast(const ui::MessageBoxWindow& box, int button) const {
    box.press(button);
    box.waitUntilClosed();
    ui::waitUntilIdle(main);
    EXPECT_TRUE(NoBox()) << "a further box followed";
  }

  // Confirms and returns the box that reports the outcome.
  ui::MessageBoxWindow ClickDeleteAndConfirm() const {
    const ui::MessageBoxWindow confirmation = ClickDelete();
    ExpectBox(confirmation, kConfirmationBox);
    confirmation.press(IDOK);
    confirmation.waitUntilClosed();
    return WaitForBox();
  }
};

// Folders that count as found, and go.
struct FoundCase {
  const char* name;
  void (*make)();
};

class FoundFolderTest : public RemovalTest, public ::testing::WithParamInterface<FoundCase> {};

TEST_P(FoundFolderTest, OkStartsOneCommandRemovesTheFolderAndTheNextClickFindsNothing) {
  GetParam().make();
  Start();
  ExpectBox(ClickDeleteAndConfirm(), kDeletedBox);
  const auto starts = InterpreterStarts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, kExpectedCommand);
  EXPECT_EQ(starts[0].showState, L"show=2");
  EXPECT_EQ(ui::lowerCase(starts[0].currentFolder), ui::lowerCase(SystemDirectory()))
      << "the program runs on the scratch drive; the interpreter must not keep it busy";
  EXPECT_FALSE(ui::pathExists(Folder()));
  AnswerLast(WaitForBox(), IDOK);

  const ui::MessageBoxWindow second = ClickDelete();
  ExpectBox(second, kNotFoundBox);
  AnswerLast(second, IDOK);
  EXPECT_EQ(InterpreterStarts().size(), 1u) << "the second click started a command";
}

INSTANTIATE_TEST_SUITE_P(Folders, FoundFolderTest,
                         ::testing::Values(FoundCase{"ReservedNamesNestedFoldersReadOnlyFile", MakeReservedNameTree},
                                           FoundCase{"HiddenSystemReadOnlyFolder", MakeGuardedTree}),
                         [](const auto& info) { return std::string(info.param.name); });

// The ways to say no to the confirmation.
struct RefusalCase {
  const char* name;
  void (*refuse)(const ui::MessageBoxWindow&);
};

class RefusalTest : public RemovalTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, StartsNothingAndShowsNoFurtherBox) {
  MakeReservedNameTree();
  Start();
  const ui::MessageBoxWindow confirmation = ClickDelete();
  ExpectBox(confirmation, kConfirmationBox);
  GetParam().refuse(confirmation);
  confirmation.waitUntilClosed();
  ui::waitUntilIdle(main);
  EXPECT_TRUE(NoBox()) << "a further box followed";
  EXPECT_TRUE(InterpreterStarts().empty());
  EXPECT_TRUE(ui::pathExists(ReadOnlyFile()));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusalTest,
    ::testing::Values(RefusalCase{"Cancel", [](const ui::MessageBoxWindow& box) { box.press(IDCANCEL); }},
                      RefusalCase{"Escape", [](const ui::MessageBoxWindow& box) { box.closeByEscape(); }},
                      RefusalCase{"CloseBox", [](const ui::MessageBoxWindow& box) { box.closeByCloseBox(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Roots where no folder autorun.inf stands.
struct NotFoundCase {
  const char* name;
  wchar_t drive;
  bool fileNamedLikeTheFolder;
};

class NotFoundTest : public RemovalTest, public ::testing::WithParamInterface<NotFoundCase> {};

TEST_P(NotFoundTest, ShowsOnlyTheNotFoundBoxAndTouchesNothing) {
  if (GetParam().fileNamedLikeTheFolder) ui::createFile(Folder(), "a file, not a folder");
  Start();
  const std::wstring letter{static_cast<wchar_t>(GetParam().drive + (L'a' - L'A')), L':'};
  if (GetParam().drive != ui::scratchDrive) {
    ui::pressKey(Control(L"Drive1"), GetParam().drive);
    ui::waitFor("Label1 to follow the picker", [&] { return ui::caption(Control(L"Label1")) == letter; });
  }
  const ui::MessageBoxWindow box = ClickDelete();
  ExpectBox(box, kNotFoundBox);
  AnswerLast(box, IDOK);
  EXPECT_TRUE(InterpreterStarts().empty());
  if (GetParam().fileNamedLikeTheFolder) {
    EXPECT_EQ(ui::contentsOf(Folder()), "a file, not a folder");
  }
}

INSTANTIATE_TEST_SUITE_P(Roots, NotFoundTest,
                         ::testing::Values(NotFoundCase{"NothingThere", ui::scratchDrive, false},
                                           NotFoundCase{"AFileNamedAutorunInf", ui::scratchDrive, true},
                                           NotFoundCase{"DriveWithoutMedium", ui::driveWithoutMedium, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The system's cmd.exe taken away for as long as this object lives.
class InterpreterTakenAway {
 public:
  InterpreterTakenAway() : path_(SystemCommandInterpreter()) {
    EXPECT_TRUE(MoveFileW(path_.c_str(), (path_ + L".away").c_str())) << "error " << GetLastError();
  }
  ~InterpreterTakenAway() { MoveFileW((path_ + L".away").c_str(), path_.c_str()); }
  InterpreterTakenAway(const InterpreterTakenAway&) = delete;
  InterpreterTakenAway& operator=(const InterpreterTakenAway&) = delete;

 private:
  std::wstring path_;
};

// Removals that leave the folder.
struct FailureCase {
  const char* name;
  bool standInInterpreter;
  bool holdFileOpen;
  bool noInterpreter = false;
};

class FailedRemovalTest : public RemovalTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedRemovalTest, SaysCouldNotAndTheFolderStays) {
  MakeReservedNameTree();
  HANDLE held = INVALID_HANDLE_VALUE;
  if (GetParam().holdFileOpen) {
    held = CreateFileW(ui::longPath(ReadOnlyFile()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
  }
  std::optional<InterpreterTakenAway> missing;
  if (GetParam().noInterpreter) missing.emplace();
  Start({.standInInterpreter = GetParam().standInInterpreter});
  const ui::MessageBoxWindow outcome = ClickDeleteAndConfirm();
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  ExpectBox(outcome, kNotDeletedBox);
  AnswerLast(outcome, IDOK);
  EXPECT_TRUE(ui::pathExists(Folder()));
  EXPECT_TRUE(ui::pathExists(ReadOnlyFile()));
  if (GetParam().noInterpreter) {
    EXPECT_TRUE(InterpreterStarts().empty()) << "nothing could be started";
  }
}

INSTANTIATE_TEST_SUITE_P(Removals, FailedRemovalTest,
                         ::testing::Values(FailureCase{"WinesOwnInterpreter", false, false},
                                           FailureCase{"AFileHeldOpenWithoutSharing", true, true},
                                           FailureCase{"NoInterpreterToStart", true, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Folders searched before the system folder when a program starts plain "cmd".
struct PlantCase {
  const char* name;
  std::wstring (*folder)();
};

class PlantedInterpreterTest : public RemovalTest, public ::testing::WithParamInterface<PlantCase> {};

TEST_P(PlantedInterpreterTest, OnlyTheSystemInterpreterRuns) {
  MakeReservedNameTree();
  const PlantedInterpreter planted(GetParam().folder());
  Start();
  ExpectBox(ClickDeleteAndConfirm(), kDeletedBox);
  const auto starts = InterpreterStarts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(ui::fileIdentity(starts[0].exe), ui::fileIdentity(SystemCommandInterpreter())) << "ran " << starts[0].exe;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, PlantedInterpreterTest,
    ::testing::Values(PlantCase{"BesideTheExe", [] { return ui::folderOf(ui::programPath()); }},
                      PlantCase{"InTheCurrentFolder", [] { return ui::driveRoot(ui::scratchDrive).substr(0, 2); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A link made on the Unix side, which Wine shows as a reparse point; Wine cannot remove
// it itself, so it goes the same way.
class UnixLink {
 public:
  UnixLink(std::wstring target, std::wstring unixLink, std::wstring windowsLink)
      : unixLink_(std::move(unixLink)), windowsLink_(std::move(windowsLink)) {
    ui::startUnixProgram({L"/bin/ln", L"-s", target, unixLink_});
    ui::waitFor("the link", [&] {
      const auto attributes = ui::attributesOf(windowsLink_);
      return attributes && (*attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    });
  }
  ~UnixLink() {
    try {
      ui::startUnixProgram({L"/bin/rm", L"-f", unixLink_});
      ui::waitFor("the link to go", [&] { return !ui::pathExists(windowsLink_); });
    } catch (const std::exception& error) {
      ADD_FAILURE() << "the link stays: " << error.what();
    }
  }
  UnixLink(const UnixLink&) = delete;
  UnixLink& operator=(const UnixLink&) = delete;

 private:
  std::wstring unixLink_;
  std::wstring windowsLink_;
};

std::wstring UnixPathOnDrive(wchar_t drive, std::wstring_view relative) {
  return ui::sessionUnixPath() + L"/drives/" + static_cast<wchar_t>(drive + (L'a' - L'A')) + L"/" +
         std::wstring(relative);
}

TEST_F(RemovalTest, AFolderThatALinkInsideLeadsToKeepsAllItHolds) {
  const std::wstring outside = ui::driveRoot(ui::secondScratchDrive) + L"outside";
  ui::createFolder(outside + L"\\inner");
  ui::createFile(outside + L"\\data.txt", "outside data");
  ui::createFile(outside + L"\\inner\\more.txt", "more outside data");
  MakeReservedNameTree();
  const UnixLink link(UnixPathOnDrive(ui::secondScratchDrive, L"outside"),
                      UnixPathOnDrive(ui::scratchDrive, L"autorun.inf/nested/outside"),
                      Folder() + L"\\nested\\outside");
  Start();
  // Which box comes depends on what the interpreter managed; the data outside is what counts.
  AnswerLast(ClickDeleteAndConfirm(), IDOK);
  EXPECT_EQ(ui::contentsOf(outside + L"\\data.txt"), "outside data");
  EXPECT_EQ(ui::contentsOf(outside + L"\\inner\\more.txt"), "more outside data");
}

TEST_F(RemovalTest, WhileTheInterpreterRunsTheWindowTakesNoInputAndTheOutcomeWaitsForItsEnd) {
  MakeReservedNameTree();
  Start({.environment = {{L"CMD_STANDIN_DELAY_MS", L"4000"}}});
  const POINT overExplanation = ui::centerOf(Control(L"Label2"));
  const ui::CursorImage arrow = SettledCursorAt(overExplanation);
  const ui::MessageBoxWindow confirmation = ClickDelete();
  confirmation.press(IDOK);
  confirmation.waitUntilClosed();
  ui::waitFor("the interpreter's start", [&] { return !InterpreterStarts().empty(); });

  EXPECT_FALSE(ui::isEnabled(main));
  ui::clickOn(Control(L"Command1"));
  ui::waitUntilIdle(main);
  EXPECT_TRUE(NoBox()) << "a box came while the interpreter ran";
  EXPECT_NE(SettledCursorAt(overExplanation), arrow) << "the wait cursor shows while the interpreter runs";
  ASSERT_TRUE(ui::childProcessRunning(program->processId(), L"cmd.exe")) << "the delay was too short for these checks";

  const ui::MessageBoxWindow outcome = WaitForBox();
  EXPECT_FALSE(ui::childProcessRunning(program->processId(), L"cmd.exe")) << "the box came before the interpreter ended";
  ExpectBox(outcome, kDeletedBox);
  AnswerLast(outcome, IDOK);
  EXPECT_TRUE(ui::isEnabled(main));
}

// A stick plugged in while the program runs and chosen in the picker, which the test pulls
// out again, announcing each as the system does. The drive that the picker would fall back
// to holds an autorun.inf that nobody confirmed.
class PulledStickTest : public RemovalTest {
 protected:
  static constexpr wchar_t kStick = L'K';

  void SetUp() override {
    RemovalTest::SetUp();
    ui::removeTree(StickFolder());
    ui::createFolder(StickFolder() + L"\\autorun.inf\\con");
    ui::createFile(StickFolder() + L"\\autorun.inf\\con\\inside.txt", "on the stick");
    ui::createFolder(FallbackFolder());
    ui::createFile(FallbackFile(), "never confirmed");
  }
  void TearDown() override {
    stick_.reset();
    ui::removeTree(FallbackFolder());
  }

  // Starts the program, plugs the stick in and chooses it.
  void StartOnTheStick(const StartOptions& options = {}) {
    Start(options);
    stick_.emplace(kStick, ui::sessionUnixPath() + L"/sticks/k");
    Announce(DBT_DEVICEARRIVAL);
    ui::pressKey(Control(L"Drive1"), kStick);
    ASSERT_TRUE(ui::waitFor("Label1 to hold the stick", [&] { return DriveLetter() == L"k:"; }));
  }

  void PullTheStick() {
    stick_.reset();
    Announce(DBT_DEVICEREMOVECOMPLETE);
  }

  std::wstring DriveLetter() const { return ui::caption(Control(L"Label1")); }

  bool PickerListsTheStick() const {
    for (const std::wstring& entry : ui::listEntries(Control(L"Drive1"))) {
      if (entry[0] == L'k') return true;
    }
    return false;
  }

  // What a pulled stick leaves the user with: the other drive's folder as it was, and a
  // picker that has moved off the stick once the program takes input again.
  void ExpectOnlyTheStickWasTried(const ui::MessageBoxWindow& outcome) {
    ExpectBox(outcome, kNotDeletedBox);
    const auto starts = InterpreterStarts();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, L"cmd /c rd /s /q \\\\.\\k:\\autorun.inf");
    EXPECT_EQ(ui::contentsOf(FallbackFile()), "never confirmed");
    AnswerLast(outcome, IDOK);
    EXPECT_TRUE(ui::waitFor("the picker to drop the stick", [&] { return !PickerListsTheStick(); }));
    EXPECT_EQ(DriveLetter(), FallbackDrive()) << "the picker's move raises Change";
  }

 private:
  static std::wstring StickFolder() { return ui::windowsPath(ui::sessionUnixPath()) + L"\\sticks\\k"; }
  // The first drive of the list, where the picker lands when its drive goes.
  static std::wstring FallbackDrive() {
    const DWORD drives = GetLogicalDrives() & ~(1u << (kStick - L'A'));
    for (int bit = 0; bit < 26; ++bit) {
      if (drives & (1u << bit)) return {static_cast<wchar_t>(L'a' + bit), L':'};
    }
    throw std::runtime_error("no drive");
  }
  static std::wstring FallbackFolder() { return FallbackDrive() + L"\\autorun.inf"; }
  static std::wstring FallbackFile() { return FallbackFolder() + L"\\kept.txt"; }

  // WM_DEVICECHANGE as the system broadcasts it, with the volume's record.
  void Announce(WPARAM event) const {
    DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << (kStick - L'A'), 0};
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutW(main, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume), SMTO_NORMAL,
                                    10000, &answer))
        << "the program did not take the device change";
  }

  std::optional<ui::MappedDrive> stick_;
};

TEST_F(PulledStickTest, PulledDuringTheConfirmationTheRemovalStaysOnTheStick) {
  StartOnTheStick();
  const ui::MessageBoxWindow confirmation = ClickDelete();
  ExpectBox(confirmation, kConfirmationBox);
  PullTheStick();
  EXPECT_EQ(DriveLetter(), L"k:") << "the drive under the box is the one that was tested";
  confirmation.press(IDOK);
  confirmation.waitUntilClosed();
  ExpectOnlyTheStickWasTried(WaitForBox());
}

TEST_F(PulledStickTest, PulledWhileTheInterpreterRunsTheRemovalIsNotReportedAsDone) {
  StartOnTheStick({.environment = {{L"CMD_STANDIN_DELAY_MS", L"3000"}}});
  const ui::MessageBoxWindow confirmation = ClickDelete();
  confirmation.press(IDOK);
  confirmation.waitUntilClosed();
  ui::waitFor("the interpreter's start", [&] { return !InterpreterStarts().empty(); });
  PullTheStick();
  EXPECT_EQ(DriveLetter(), L"k:");
  ASSERT_TRUE(ui::childProcessRunning(program->processId(), L"cmd.exe")) << "the delay was too short for this check";
  ExpectOnlyTheStickWasTried(WaitForBox());
}

}  // namespace
