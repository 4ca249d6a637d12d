// The help links: a click on a link label hands its address to the shell's "open",
// which starts the session's http handler, the recording stand-in browser.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/main_window_fixture.h"
#include "tests/ui_driver/error.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/processes.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

constexpr wchar_t kHttpOpenCommand[] = L"Software\\Classes\\http\\shell\\open\\command";

// The session's http handler is gone while this lives, and comes back after.
class HttpHandlerRemoved {
 public:
  HttpHandlerRemoved() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kHttpOpenCommand, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    wchar_t value[2048] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    const LSTATUS read = RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) throw ui::DriverError("the http handler's command could not be read");
    saved_ = value;
    if (RegDeleteKeyW(HKEY_LOCAL_MACHINE, kHttpOpenCommand) != ERROR_SUCCESS) {
      throw ui::DriverError("the http handler's command could not be removed");
    }
  }
  HttpHandlerRemoved(const HttpHandlerRemoved&) = delete;
  HttpHandlerRemoved& operator=(const HttpHandlerRemoved&) = delete;
  ~HttpHandlerRemoved() {
    if (!saved_) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kHttpOpenCommand, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
      ADD_FAILURE() << "the http handler's command could not be restored";
      return;
    }
    const DWORD size = static_cast<DWORD>((saved_->size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_->c_str()), size) != ERROR_SUCCESS) {
      ADD_FAILURE() << "the http handler's command could not be restored";
    }
    RegCloseKey(key);
  }

 private:
  std::optional<std::wstring> saved_;
};

struct Link {
  const wchar_t* label;
  const wchar_t* address;
};

// "Label5" for L"Label5": the names are ASCII.
std::string NameOf(const Link& link) { return std::string(link.label, link.label + wcslen(link.label)); }

void PrintTo(const Link& link, std::ostream* out) { *out << NameOf(link); }

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  std::vector<HWND> visible;
  for (HWND window : ui::topLevelWindows(processId)) {
    if (ui::isVisible(window)) visible.push_back(window);
  }
  std::sort(visible.begin(), visible.end());
  return visible;
}

const Link kLinks[] = {
    {L"Label5", L"http://support.microsoft.com/kb/120716"},
    {L"Label6", L"http://support.microsoft.com/kb/279868"},
};

class HelpLinkTest : public MainWindowTest, public ::testing::WithParamInterface<Link> {
 protected:
  // A real click, then the handlers it started have all ended, so the log is complete.
  // Each click lands a little right of the one before: two on one spot this soon would
  // be a double click.
  void ClickLinkAndWaitForHandler(size_t expectedOpens) {
    POINT spot = ui::centerOf(Control(GetParam().label));
    spot.x += static_cast<LONG>(expectedOpens) * (GetSystemMetrics(SM_CXDOUBLECLK) + 1);
    ui::clickAt(spot);
    ui::waitFor("the http handler to record the address",
                [&] { return OpenedAddresses().size() >= expectedOpens; });
    ui::waitUntilIdle(main);
    ui::waitFor("the http handlers to end", [] { return !ui::processRunning(L"url_recorder.exe"); });
  }
};

TEST_P(HelpLinkTest, TheLabelShowsItsAddress) {
  Start();
  EXPECT_EQ(ui::caption(Control(GetParam().label)), GetParam().address);
}

TEST_P(HelpLinkTest, EachClickOpensTheAddressOnce) {
  // A browser told to start in the folder "0" would start in this one.
  ui::createFolder(OnScratchDrive(L"0"));
  Start();
  ClickLinkAndWaitForHandler(1);
  EXPECT_EQ(OpenedAddresses(), std::vector<std::wstring>{GetParam().address});
  ClickLinkAndWaitForHandler(2);
  EXPECT_EQ(OpenedAddresses(), (std::vector<std::wstring>{GetParam().address, GetParam().address}));
  EXPECT_TRUE(NoBox());
  for (const Opened& opened : Openings()) {
    EXPECT_EQ(opened.showState, L"show=1") << "the browser is not shown normally";
    EXPECT_NE(opened.folder, OnScratchDrive(L"0")) << "the browser was told to start in the folder \"0\"";
  }
}

TEST_P(HelpLinkTest, WithoutAnHttpHandlerAClickShowsNothingAndTheWindowStaysUsable) {
  const HttpHandlerRemoved noHandler;
  Start();
  const std::vector<HWND> windowsBefore = VisibleWindowsOf(program->processId());
  ui::clickOn(Control(GetParam().label));
  ui::waitUntilIdle(main);
  EXPECT_TRUE(NoBox());
  EXPECT_EQ(VisibleWindowsOf(program->processId()), windowsBefore) << "the click opened a window";
  EXPECT_TRUE(OpenedAddresses().empty()) << "an http handler still ran";
  // Still usable: the Exit button asks its question.
  ui::clickOn(Control(L"Command1"));
  const ui::MessageBoxWindow box = WaitForBox();
  EXPECT_EQ(box.title(), L"Exit");
  box.press(IDNO);
  box.waitUntilClosed();
  EXPECT_TRUE(program->isRunning());
}

INSTANTIATE_TEST_SUITE_P(BothLinks, HelpLinkTest, ::testing::ValuesIn(kLinks),
                         [](const auto& info) { return NameOf(info.param); });

}  // namespace
