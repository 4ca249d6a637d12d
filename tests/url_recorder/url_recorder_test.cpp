// Runs the built URL recorder directly, and through the shell as the program opens addresses.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/cmd_standin/child_process.h"
#include "tests/cmd_standin/file_tree.h"
#include "tests/cmd_standin/log_file.h"
#include "tests/cmd_standin/poll_until.h"
#include "tests/cmd_standin/this_process.h"
#include "tests/cmd_standin/win32_error.h"

namespace standin {
namespace {

constexpr DWORD kShellTimeoutMs = 20'000;

// One line of the log: show=<n>, dir=<folder>, then the argument.
struct Record {
  std::wstring show;
  std::wstring folder;
  std::wstring argument;

  bool operator==(const Record&) const = default;
};

void PrintTo(const Record& record, std::ostream* out) {
  *out << testing::PrintToString(record.show + L" | " + record.folder + L" | " + record.argument);
}

std::vector<Record> Records(const std::wstring& logPath) {
  std::vector<Record> records;
  for (const std::wstring& line : LogLines(logPath)) {
    const size_t first = line.find(L'\t');
    const size_t second = line.find(L'\t', first + 1);
    const std::wstring folderField = line.substr(first + 1, second - first - 1);
    constexpr std::wstring_view kFolderKey = L"dir=";
    EXPECT_TRUE(first != std::wstring::npos && second != std::wstring::npos && folderField.starts_with(kFolderKey))
        << "not a record: " << testing::PrintToString(line);
    records.push_back({line.substr(0, first), folderField.substr(kFolderKey.size()), line.substr(second + 1)});
  }
  return records;
}

std::vector<std::wstring> Arguments(const std::wstring& logPath) {
  std::vector<std::wstring> arguments;
  for (const Record& record : Records(logPath)) arguments.push_back(record.argument);
  return arguments;
}

// The current folder of this process, which the programs it starts inherit, for as long
// as this object lives.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::wstring& folder) : previous_(CurrentFolder()) {
    if (!SetCurrentDirectoryW(folder.c_str())) ThrowLastError(L"SetCurrentDirectoryW " + folder);
  }
  ~ScopedCurrentFolder() {
    // The folder it was in still exists: the test did not remove it.
    SetCurrentDirectoryW(previous_.c_str());
  }
  ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
  ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

 private:
  std::wstring previous_;
};

class UrlRecorderTest : public testing::Test {
 protected:
  // Starts the recorder as the shell does for "<exe>" "%1".
  DWORD Open(const std::wstring& url, std::optional<WORD> showWindow = std::nullopt) {
    return RunToExit(recorder, Quoted(recorder) + L" " + Quoted(url), showWindow);
  }

  static std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

  const std::wstring recorder = NextToThisProgram(L"url_recorder.exe");
  ScratchFolder scratch;
  const std::wstring logPath = scratch.Path() + L"\\url_recorder.log";
  const ScopedEnvironmentVariable log{L"URL_RECORDER_LOG", logPath};
};

class UrlRecorderUrlTest : public UrlRecorderTest,
                           public testing::WithParamInterface<const wchar_t*> {};

TEST_P(UrlRecorderUrlTest, RecordsTheArgumentExactly) {
  EXPECT_EQ(Open(GetParam()), 0u);
  EXPECT_EQ(Arguments(logPath), std::vector<std::wstring>{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(Urls, UrlRecorderUrlTest,
                         testing::Values(L"http://support.example.com/kb/279868",
                                         L"http://support.example.com/kb/120716",
                                         L"http://host.example/a b/?q=1&r=%20x#top",
                                         L"http://host.example/a\tb",
                                         L"http://h\u00f6st.example/\u00e9t\u00e9"));

TEST_F(UrlRecorderTest, AppendsOneLinePerStart) {
  EXPECT_EQ(Open(L"http://one.example/"), 0u);
  EXPECT_EQ(Open(L"http://two.example/"), 0u);
  EXPECT_EQ(Arguments(logPath),
            (std::vector<std::wstring>{L"http://one.example/", L"http://two.example/"}));
}

// How the recorder may be started: with or without a show state, in some folder.
struct StartCase {
  const char* name;
  std::optional<WORD> showWindow;
  const wchar_t* show;
  const wchar_t* subfolder;  // of the scratch folder, the current folder of the start
};

void PrintTo(const StartCase& start, std::ostream* out) { *out << start.name; }

class UrlRecorderStartTest : public UrlRecorderTest, public testing::WithParamInterface<StartCase> {};

TEST_P(UrlRecorderStartTest, RecordsItsShowStateAndCurrentFolder) {
  const std::wstring folder = scratch.Path() + L"\\" + GetParam().subfolder;
  MakeFolder(folder);
  {
    const ScopedCurrentFolder inFolder(folder);
    EXPECT_EQ(Open(L"http://one.example/", GetParam().showWindow), 0u);
  }
  EXPECT_EQ(Records(logPath), (std::vector<Record>{{GetParam().show, folder, L"http://one.example/"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Starts, UrlRecorderStartTest,
    testing::Values(StartCase{"ShowNormal", WORD{SW_SHOWNORMAL}, L"show=1", L"normal"},
                    StartCase{"Hidden", WORD{SW_HIDE}, L"show=0", L"hidden"},
                    StartCase{"NoShowState", std::nullopt, L"show=none", L"none"},
                    StartCase{"InAFolderNamedZero", WORD{SW_SHOWNORMAL}, L"show=1", L"0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UrlRecorderTest, RecordsNothingWithoutExactlyOneArgument) {
  EXPECT_EQ(RunToExit(recorder, Quoted(recorder)), 2u);
  EXPECT_EQ(RunToExit(recorder, Quoted(recorder) + L" http://one.example/ http://two.example/"),
            2u);
  EXPECT_TRUE(LogLines(logPath).empty());
}

// The program opens its addresses with ShellExecute; the handler the session registers must be
// this recorder, and it must see the environment of the process that called the shell, its
// show command and, with no folder given, the caller's current folder.
TEST_F(UrlRecorderTest, IsReachedThroughTheShellWithTheCallersEnvironment) {
  const std::wstring url = L"http://support.example.com/kb/120716";
  const ScopedCurrentFolder inScratch(scratch.Path());
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  ASSERT_GT(result, 32) << "ShellExecuteW answered " << result;

  EXPECT_TRUE(PollUntil([&] { return !LogLines(logPath).empty(); }, kShellTimeoutMs));
  EXPECT_EQ(Records(logPath), (std::vector<Record>{{L"show=1", scratch.Path(), url}}));
}

}  // namespace
}  // namespace standin
