#include "main_window_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "about_window/form1_description.h"
#include "main_window/frm_auto_description.h"
#include "ui_driver/files.h"
#include "ui_driver/input.h"
#include "ui_driver/wait.h"
#include "ui_driver/paths.h"
#include "ui_driver/window_query.h"

namespace {

std::wstring FromUtf8(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::vector<std::wstring> LinesOf(const std::wstring& path) {
  std::vector<std::wstring> lines;
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(FromUtf8(line));
  }
  return lines;
}

// Empties the drive's root, whatever a test before left there.
void EmptyDrive(wchar_t letter) {
  const std::wstring root = ui::driveRoot(letter);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(ui::longPath(root + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") ui::removeTree(root + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::wstring OnScratchDrive(std::wstring_view relative) {
  return ui::driveRoot(ui::scratchDrive) + std::wstring(relative);
}

void MainWindowTest::SetUp() {
  EmptyDrive(ui::scratchDrive);
  EmptyDrive(ui::secondScratchDrive);
  std::wstring name = FromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
  // A parameterised case's name holds a '/', which a file name cannot.
  std::replace(name.begin(), name.end(), L'/', L'_');
  const std::wstring logs = ui::windowsPath(ui::sessionUnixPath()) + L"\\";
  interpreterLog_ = logs + name + L".interpreter.log";
  addressLog_ = logs + name + L".addresses.log";
  DeleteFileW(interpreterLog_.c_str());
  DeleteFileW(addressLog_.c_str());
}

void MainWindowTest::Start(const StartOptions& options) {
  ui::ProgramStart start{ui::programPath(), L"", options.currentDirectory,
                         {{L"CMD_STANDIN_LOG", interpreterLog_}, {L"URL_RECORDER_LOG", addressLog_}}};
  if (!options.standInInterpreter) builtInInterpreter_.emplace(L"cmd.exe", L"builtin");
  start.environment.insert(start.environment.end(), options.environment.begin(), options.environment.end());
  program.emplace(start);
  main = program->waitForWindow(L"Kelvorn Drast 2.1");
}

HWND MainWindowTest::Control(std::wstring_view name) const {
  HWND control = ui::findControl(main, forms::ControlId(frmAutoDescription, name));
  EXPECT_NE(control, nullptr) << "no such control on the main window";
  return control;
}

HWND MainWindowTest::AboutControl(HWND about, std::wstring_view name, int index) {
  HWND control = ui::findControl(about, forms::ControlId(Form1Description, name, index));
  EXPECT_NE(control, nullptr) << "no such control on the About window";
  return control;
}

std::vector<MainWindowTest::Started> MainWindowTest::InterpreterStarts() const {
  std::vector<Started> starts;
  for (const std::wstring& line : LinesOf(interpreterLog_)) {
    // show=2<TAB>exe=...<TAB>cwd=...<TAB>command line, which alone may hold a TAB
    std::vector<std::wstring> fields;
    size_t from = 0;
    for (int i = 0; i < 3; ++i) {
      const size_t tab = line.find(L'\t', from);
      if (tab == std::wstring::npos) break;
      fields.push_back(line.substr(from, tab - from));
      from = tab + 1;
    }
    if (fields.size() != 3) {
      ADD_FAILURE() << "a log line of the stand-in interpreter has too few fields";
      continue;
    }
    const auto value = [](const std::wstring& field) { return field.substr(field.find(L'=') + 1); };
    starts.push_back({fields[0], value(fields[1]), value(fields[2]), line.substr(from)});
  }
  return starts;
}

std::vector<std::wstring> MainWindowTest::OpenedAddresses() const { return LinesOf(addressLog_); }

ui::MessageBoxWindow MainWindowTest::WaitForBox() const { return ui::MessageBoxWindow::waitFor(program->processId()); }

bool MainWindowTest::NoBox() const { return !ui::MessageBoxWindow::find(program->processId()).has_value(); }

ui::CursorImage SettledCursorAt(POINT point) {
  ui::cursorAt(point);
  ui::CursorImage last = ui::cursorImageOnDisplay();
  int same = 0;
  ui::waitFor("the pointer to settle", [&] {
    const ui::CursorImage now = ui::cursorImageOnDisplay();
    same = now == last ? same + 1 : 0;
    last = now;
    return same >= 3;
  });
  return last;
}
