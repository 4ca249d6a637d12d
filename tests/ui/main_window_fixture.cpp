#include "tests/ui/main_window_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "about_window/form1_description.h"
#include "main_window/frm_auto_description.h"
#include "tests/ui_driver/display.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/fonts.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace {

std::vector<std::wstring> LinesOf(const std::wstring& path) {
  std::vector<std::wstring> lines;
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(ui::fromUtf8(line));
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

// The fields of a stand-in's log line: `count` of them split by TAB, the last holding
// the rest of the line (it alone may hold a TAB). Empty, and a failure, with too few.
std::vector<std::wstring> FieldsOf(const std::wstring& line, size_t count) {
  std::vector<std::wstring> fields;
  size_t from = 0;
  while (fields.size() + 1 < count) {
    const size_t tab = line.find(L'\t', from);
    if (tab == std::wstring::npos) {
      ADD_FAILURE() << "a log line of a stand-in has too few fields";
      return {};
    }
    fields.push_back(line.substr(from, tab - from));
    from = tab + 1;
  }
  fields.push_back(line.substr(from));
  return fields;
}

// "exe=C:\x.exe" gives "C:\x.exe".
std::wstring ValueOf(const std::wstring& field) { return field.substr(field.find(L'=') + 1); }

// Where a control shows its text, in which colours and how laid out: inside a button's
// border and focus rectangle; in the strip at a frame's top; in a drop-down list's field,
// left of its button. Only the text there has exactly the text's colour.
struct TextArea {
  RECT onScreen;
  std::uint32_t colour;
  std::uint32_t ground;
  UINT format;
};

TextArea AreaOfText(HWND control, const LOGFONTW& font, const std::wstring& text) {
  constexpr int kBorder = 3;
  RECT box = ui::screenRect(control);
  if (ui::className(control) == L"ComboBox") {
    box.right -= GetSystemMetrics(SM_CXVSCROLL);
    InflateRect(&box, -kBorder, -kBorder);
    return {box, ui::systemColour(COLOR_WINDOWTEXT), ui::systemColour(COLOR_WINDOW), DT_LEFT | DT_SINGLELINE};
  }
  if (ui::hasStyle(control, BS_GROUPBOX)) {
    box.bottom = box.top + ui::textExtent(text, font, DT_SINGLELINE).cy;
    constexpr std::uint32_t kWhite = 0xFFFFFF;  // the frames' ground
    return {box, ui::systemColour(COLOR_WINDOWTEXT), kWhite, DT_LEFT | DT_SINGLELINE};
  }
  // Inside the focus rectangle too, which a focused button draws just within its border.
  InflateRect(&box, -(kBorder + 1), -(kBorder + 1));
  return {box, ui::systemColour(COLOR_BTNTEXT), ui::systemColour(COLOR_BTNFACE),
          DT_CENTER | DT_VCENTER | DT_SINGLELINE};
}

}  // namespace

LOGFONTW FontOf(const std::optional<BoldFont>& font) {
  return font ? ui::describedFont(L"MS Sans Serif", font->points, true, ui::displayDpi) : ui::defaultWindowFont();
}

void ExpectTextShapedBy(HWND control, const LOGFONTW& font) {
  const std::wstring text = ui::shownText(control);
  const TextArea area = AreaOfText(control, font, text);
  const SIZE size{area.onScreen.right - area.onScreen.left, area.onScreen.bottom - area.onScreen.top};
  const ui::Image shown = ui::inkOf(ui::captureScreen(area.onScreen), area.colour);
  const ui::Image drawn = ui::inkOf(ui::drawText(text, size, {font, area.colour, area.ground, area.format}), area.colour);
  EXPECT_GT(drawn.width, 0) << "nothing to compare: the text draws no pixel in its colour";
  EXPECT_EQ(shown.width, drawn.width);
  EXPECT_EQ(shown.height, drawn.height);
  EXPECT_TRUE(shown.pixels == drawn.pixels) << "the text is not drawn in its font";
}

std::wstring OnScratchDrive(std::wstring_view relative) {
  return ui::driveRoot(ui::scratchDrive) + std::wstring(relative);
}

void MainWindowTest::SetUp() {
  EmptyDrive(ui::scratchDrive);
  EmptyDrive(ui::secondScratchDrive);
  std::wstring name = ui::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
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
    // show=2<TAB>exe=...<TAB>cwd=...<TAB>command line
    const std::vector<std::wstring> fields = FieldsOf(line, 4);
    if (fields.empty()) continue;
    starts.push_back({fields[0], ValueOf(fields[1]), ValueOf(fields[2]), fields[3]});
  }
  return starts;
}

std::vector<MainWindowTest::Opened> MainWindowTest::Openings() const {
  std::vector<Opened> openings;
  for (const std::wstring& line : LinesOf(addressLog_)) {
    // show=1<TAB>dir=...<TAB>address
    const std::vector<std::wstring> fields = FieldsOf(line, 3);
    if (fields.empty()) continue;
    openings.push_back({fields[0], ValueOf(fields[1]), fields[2]});
  }
  return openings;
}

std::vector<std::wstring> MainWindowTest::OpenedAddresses() const {
  std::vector<std::wstring> addresses;
  for (const Opened& opened : Openings()) addresses.push_back(opened.address);
  return addresses;
}

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
