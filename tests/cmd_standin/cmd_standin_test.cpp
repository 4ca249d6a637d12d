// Runs the built stand-in the way the program under test starts cmd, on real folder trees.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "forms/owned.h"
#include "tests/cmd_standin/child_process.h"
#include "tests/cmd_standin/file_tree.h"
#include "tests/cmd_standin/log_file.h"
#include "tests/cmd_standin/poll_until.h"
#include "tests/cmd_standin/this_process.h"
#include "tests/cmd_standin/win32_error.h"

namespace standin {
namespace {

constexpr DWORD kLinkTimeoutMs = 10'000;

// A folder like the one the program removes, with the entries that make it hard to remove.
struct AutorunTree {
  explicit AutorunTree(const std::wstring& parent) : root(parent + L"\\autorun.inf") {
    MakeFolder(root);
    MakeFolder(root + L"\\con");
    MakeFile(root + L"\\con\\nul.txt");
    MakeFolder(root + L"\\aux");
    MakeFile(root + L"\\aux\\inside.txt");
    MakeFolder(root + L"\\nul.1234567");
    MakeFolder(root + L"\\nested");
    MakeFolder(root + L"\\nested\\deeper");
    MakeFile(root + L"\\nested\\deeper\\leaf.txt");
    MakeFile(root + L"\\readonly.txt", FILE_ATTRIBUTE_READONLY);
    MakeFolder(root + L"\\readonly-folder");
    MakeFile(root + L"\\readonly-folder\\file.txt", FILE_ATTRIBUTE_READONLY);
    SetAttributes(root + L"\\readonly-folder", FILE_ATTRIBUTE_READONLY);
  }

  // The entries that are neither links nor held open: all of them must go.
  std::vector<std::wstring> PlainEntries() const {
    return {root + L"\\con",          root + L"\\aux",
            root + L"\\nul.1234567",  root + L"\\nested\\deeper",
            root + L"\\readonly.txt", root + L"\\readonly-folder"};
  }

  std::wstring root;
};

// Wine cannot make a symbolic link itself, but it starts Unix programs and shows a Unix
// symbolic link as a link: `ln` makes one, run in `folder`, `target` relative to the link.
void MakeUnixSymbolicLink(const std::wstring& folder, const std::wstring& target,
                          const std::wstring& link) {
  std::wstring commandLine = L"ln -s " + target + L" " + link;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(L"Z:\\bin\\ln", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    ThrowLastError(L"start " + commandLine);
  }
  // Wine gives no handles to wait on for a Unix process; the link's appearing is the sign.
  const forms::OwnedHandle process(started.hProcess);
  const forms::OwnedHandle thread(started.hThread);
  std::wstring linkPath = folder + L"\\" + link;
  std::replace(linkPath.begin(), linkPath.end(), L'/', L'\\');
  if (!PollUntil([&] { return Exists(linkPath); }, kLinkTimeoutMs)) {
    throw Win32Error(ERROR_TIMEOUT, L"make the link " + linkPath);
  }
}

class CmdStandinTest : public testing::Test {
 protected:
  CmdStandinTest()
      : logPath(scratch.Path() + L"\\cmd_standin.log"), log(L"CMD_STANDIN_LOG", logPath) {
    MakeFile(beside);
  }

  // Runs the stand-in with `commandLine` exactly, as the program does, and checks its one log line.
  DWORD Run(const std::wstring& commandLine, std::optional<WORD> showWindow = SW_SHOWMINIMIZED) {
    const DWORD exitCode = RunToExit(standin, commandLine, showWindow);
    const std::wstring show = showWindow ? L"show=" + std::to_wstring(*showWindow) : L"show=none";
    EXPECT_EQ(LogLines(logPath),
              std::vector<std::wstring>{show + L"\texe=" + standin + L"\tcwd=" + CurrentFolder() + L"\t" + commandLine});
    return exitCode;
  }

  const std::wstring standin = NextToThisProgram(L"cmd_standin.exe");
  ScratchFolder scratch;
  const std::wstring logPath;
  const ScopedEnvironmentVariable log;
  // Next to the folder removed: it must stay.
  const std::wstring beside = scratch.Path() + L"\\beside.txt";
  const AutorunTree tree{scratch.Path()};
};

// How a command line names the program and writes the command, and the prefix of the path.
struct AcceptedForm {
  const wchar_t* program;
  const wchar_t* command;
  const wchar_t* prefix;
  std::optional<WORD> showWindow;
};

void PrintTo(const AcceptedForm& form, std::ostream* out) {
  *out << testing::PrintToString(std::wstring(form.program) + L" " + form.command + L" " +
                                 form.prefix);
}

class CmdStandinAcceptedFormTest : public CmdStandinTest,
                                   public testing::WithParamInterface<AcceptedForm> {};

TEST_P(CmdStandinAcceptedFormTest, RemovesTheWholeFolderAndExitsZero) {
  const AcceptedForm& form = GetParam();
  const std::wstring commandLine =
      std::wstring(form.program) + L" " + form.command + L" " + form.prefix + tree.root;

  EXPECT_EQ(Run(commandLine, form.showWindow), 0u);

  EXPECT_FALSE(Exists(tree.root));
  EXPECT_TRUE(Exists(beside));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CmdStandinAcceptedFormTest,
    testing::Values(AcceptedForm{L"cmd", L"/c rd /s /q", L"\\\\.\\", SW_SHOWMINIMIZED},
                    AcceptedForm{L"cmd", L"/c rd /s /q", L"\\\\?\\", std::nullopt},
                    AcceptedForm{L"C:\\windows\\system32\\cmd.exe", L"/c rd /s /q", L"\\\\.\\",
                                 SW_SHOWNORMAL},
                    AcceptedForm{L"\"C:\\windows\\system32\\CMD.EXE\"", L"/C RD /S /Q", L"\\\\.\\",
                                 SW_SHOWMINIMIZED},
                    AcceptedForm{L"Cmd.exe", L"/c  Rd\t/s /Q ", L"\\\\?\\", SW_SHOWMINIMIZED}));

TEST_F(CmdStandinTest, LeavesWhatALinkInsideLeadsTo) {
  const std::wstring outside = scratch.Path() + L"\\outside";
  MakeFolder(outside);
  MakeFile(outside + L"\\kept.txt");
  MakeFolder(outside + L"\\sub");
  MakeFile(outside + L"\\sub\\deep.txt");
  const std::wstring emptyOutside = scratch.Path() + L"\\empty-outside";
  MakeFolder(emptyOutside);
  MakeUnixSymbolicLink(tree.root, L"../outside", L"folder-link");
  MakeUnixSymbolicLink(tree.root, L"../empty-outside", L"empty-folder-link");
  MakeUnixSymbolicLink(tree.root, L"../../outside/kept.txt", L"nested/file-link");

  const DWORD exitCode = Run(L"cmd /c rd /s /q \\\\.\\" + tree.root);

  for (const std::wstring& kept :
       {outside + L"\\kept.txt", outside + L"\\sub\\deep.txt", emptyOutside}) {
    EXPECT_TRUE(Exists(kept)) << kept;
  }
  for (const std::wstring& entry : tree.PlainEntries()) EXPECT_FALSE(Exists(entry)) << entry;
  // Windows removes the links themselves; Wine removes a link only with its target, so the
  // links stay there and the exit code says the folder is not gone.
  EXPECT_EQ(exitCode == 0, !Exists(tree.root)) << "exit code " << exitCode;
}

TEST_F(CmdStandinTest, FailsAndKeepsTheFolderWhileAFileInItIsHeldOpen) {
  const std::wstring held = tree.root + L"\\nested\\deeper\\leaf.txt";
  const forms::OwnedHandle holder = HoldWithoutSharing(held);

  EXPECT_NE(Run(L"cmd /c rd /s /q \\\\.\\" + tree.root), 0u);

  EXPECT_TRUE(Exists(held));
  EXPECT_TRUE(Exists(tree.root));
  EXPECT_FALSE(Exists(tree.root + L"\\con"));
}

TEST_F(CmdStandinTest, FailsOnAFolderThatIsNotThere) {
  EXPECT_EQ(Run(L"cmd /c rd /s /q \\\\.\\" + tree.root + L"\\absent"), 1u);
  EXPECT_TRUE(Exists(tree.root + L"\\con"));
}

TEST_F(CmdStandinTest, FailsOnAFileAndKeepsIt) {
  EXPECT_EQ(Run(L"cmd /c rd /s /q \\\\.\\" + beside), 1u);
  EXPECT_TRUE(Exists(beside));
}

// Command lines other than the one command; %s marks where the folder's path goes.
class CmdStandinOtherCommandTest : public CmdStandinTest,
                                   public testing::WithParamInterface<const wchar_t*> {};

TEST_P(CmdStandinOtherCommandTest, RefusesWithExitTwoAndTouchesNothing) {
  std::wstring commandLine = GetParam();
  commandLine.replace(commandLine.find(L"%s"), 2, tree.root);

  EXPECT_EQ(Run(commandLine), 2u);

  for (const std::wstring& entry : tree.PlainEntries()) EXPECT_TRUE(Exists(entry)) << entry;
  EXPECT_TRUE(Exists(tree.root + L"\\nested\\deeper\\leaf.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CmdStandinOtherCommandTest,
    testing::Values(L"cmd /c rd /s /q %s", L"cmd /c rd /s \\\\.\\%s", L"cmd /c rd /q /s \\\\.\\%s",
                    L"cmd /c rd /s /q /q \\\\.\\%s", L"cmd /c rd /s /q \\\\.\\%s extra",
                    L"cmd /k rd /s /q \\\\.\\%s", L"cmd /c rmdir /s /q \\\\.\\%s",
                    L"cmd /c del /s /q \\\\.\\%s", L"cmd /c \"rd /s /q \\\\.\\%s\"",
                    L"cmdx /c rd /s /q \\\\.\\%s", L"powershell.exe /c rd /s /q \\\\.\\%s",
                    L"cmd /c rd /s /q \\\\.%s", L"cmd /c rd /s /q //./%s"));

}  // namespace
}  // namespace standin
