// Runs the built URL recorder directly, and through the shell as the program opens addresses.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "tests/cmd_standin/child_process.h"
#include "tests/cmd_standin/file_tree.h"
#include "tests/cmd_standin/log_file.h"
#include "tests/cmd_standin/poll_until.h"

namespace standin {
namespace {

constexpr DWORD kShellTimeoutMs = 20'000;

class UrlRecorderTest : public testing::Test {
 protected:
  // Starts the recorder as the shell does for "<exe>" "%1".
  DWORD Open(const std::wstring& url) {
    return RunToExit(recorder, Quoted(recorder) + L" " + Quoted(url));
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
  EXPECT_EQ(LogLines(logPath), std::vector<std::wstring>{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(Urls, UrlRecorderUrlTest,
                         testing::Values(L"http://support.example.com/kb/279868",
                                         L"http://support.example.com/kb/120716",
                                         L"http://host.example/a b/?q=1&r=%20x#top",
                                         L"http://h\u00f6st.example/\u00e9t\u00e9"));

TEST_F(UrlRecorderTest, AppendsOneLinePerStart) {
  EXPECT_EQ(Open(L"http://one.example/"), 0u);
  EXPECT_EQ(Open(L"http://two.example/"), 0u);
  EXPECT_EQ(LogLines(logPath),
            (std::vector<std::wstring>{L"http://one.example/", L"http://two.example/"}));
}

TEST_F(UrlRecorderTest, RecordsNothingWithoutExactlyOneArgument) {
  EXPECT_EQ(RunToExit(recorder, Quoted(recorder)), 2u);
  EXPECT_EQ(RunToExit(recorder, Quoted(recorder) + L" http://one.example/ http://two.example/"),
            2u);
  EXPECT_TRUE(LogLines(logPath).empty());
}

// The program opens its addresses with ShellExecute; the handler the session registers must be
// this recorder, and it must see the environment of the process that called the shell.
TEST_F(UrlRecorderTest, IsReachedThroughTheShellWithTheCallersEnvironment) {
  const std::wstring url = L"http://support.example.com/kb/120716";
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  ASSERT_GT(result, 32) << "ShellExecuteW answered " << result;

  EXPECT_TRUE(PollUntil([&] { return !LogLines(logPath).empty(); }, kShellTimeoutMs));
  EXPECT_EQ(LogLines(logPath), std::vector<std::wstring>{url});
}

}  // namespace
}  // namespace standin
