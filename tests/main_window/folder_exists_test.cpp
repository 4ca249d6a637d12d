// FolderExists and InitVisualStyles in-process, on real folders.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "forms/form.h"
#include "forms/internal.h"
#include "main_window/frm_auto.h"
#include "main_window/modvista.h"

namespace {

// A fresh folder under the temp directory, removed with what the test put in it.
class Scratch {
 public:
  Scratch() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"folder_test_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root_.c_str(), nullptr);
  }
  ~Scratch() {
    for (const wchar_t* name : {L"\\hidden", L"\\folder"}) {
      const std::wstring path = root_ + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      RemoveDirectoryW(path.c_str());
    }
    DeleteFileW((root_ + L"\\file").c_str());
    RemoveDirectoryW(root_.c_str());
  }
  const std::wstring& Root() const { return root_; }

 private:
  std::wstring root_;
};

wchar_t UnusedDriveLetter() {
  const DWORD used = GetLogicalDrives();
  for (int bit = 25; bit >= 3; --bit) {
    if (!(used & (1u << bit))) return static_cast<wchar_t>(L'a' + bit);
  }
  return 0;
}

TEST(FolderExists, AnswersTrueExactlyForADirectory) {
  Scratch scratch;
  const std::wstring& root = scratch.Root();
  ASSERT_TRUE(CreateDirectoryW((root + L"\\folder").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((root + L"\\hidden").c_str(), nullptr));
  ASSERT_TRUE(SetFileAttributesW((root + L"\\hidden").c_str(),
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
  HANDLE file = CreateFileW((root + L"\\file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  const wchar_t unused = UnusedDriveLetter();
  ASSERT_NE(unused, 0);

  struct Case {
    std::wstring path;
    forms::Boolean expected;
  };
  const Case cases[] = {
      {root + L"\\folder", forms::True},
      {root + L"\\hidden", forms::True},
      {root + L"\\file", forms::False},
      // Nothing there: the failure value 0xFFFFFFFF has the directory bit set too.
      {root + L"\\missing", forms::False},
      {std::wstring{unused} + L":\\autorun.inf", forms::False},
      {L"", forms::False},
  };
  frmAuto window;
  for (const Case& c : cases) {
    std::wstring path = c.path;
    EXPECT_EQ(window.FolderExists(path), c.expected) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(path, c.path) << "the path comes back unchanged";
  }
}

// Wine makes a reparse point of a Unix symbolic link; the test session puts one at
// fixtures/link_to_folder in its folder.
std::wstring SessionPath(const wchar_t* relative) {
  wchar_t unixPath[MAX_PATH] = {};
  GetEnvironmentVariableW(L"KELVORN_SESSION_DIR", unixPath, MAX_PATH);
  std::wstring path = std::wstring(L"Z:") + unixPath + L"/" + relative;
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

TEST(FolderExists, ADirectoryThatIsAlsoAReparsePointCounts) {
  const std::wstring link = SessionPath(L"fixtures/link_to_folder");
  const DWORD attributes = GetFileAttributesW(link.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "the session has no link at " << std::string(link.begin(), link.end());
  ASSERT_EQ(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT),
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
  frmAuto window;
  std::wstring path = link;
  EXPECT_EQ(window.FolderExists(path), forms::True);
}

bool AnyWindowOfThisThread() {
  for (HWND window : forms::ThreadWindows()) {
    if (IsWindowVisible(window)) return true;
  }
  return false;
}

TEST(InitVisualStyles, TrueWhenTheCallIsMadeFalseWithoutAWordWhenItCantBeBound) {
  struct Case {
    const wchar_t* library;
    const char* entry;
    forms::Boolean expected;
  };
  const Case cases[] = {
      {L"comctl32.dll", "InitCommonControlsEx", forms::True},
      {L"no_such_comctl.dll", "InitCommonControlsEx", forms::False},
      {L"comctl32.dll", "NoSuchEntry", forms::False},
  };
  for (const Case& c : cases) {
    const modvista::InitCommonControlsExFunction declaration{c.library, c.entry};
    EXPECT_EQ(modvista::InitVisualStyles(declaration), c.expected) << c.entry;
    EXPECT_FALSE(AnyWindowOfThisThread()) << "no message is shown";
  }
  EXPECT_EQ(modvista::InitVisualStyles(), forms::True) << "the program's own declaration binds";
}

TEST(InitVisualStyles, TheMainWindowObjectIsCreatedWithoutAnyWindow) {
  // Initialize, which initialises the common controls, runs before the window is built.
  auto window = forms::NewForm<frmAuto>();
  EXPECT_FALSE(window->IsLoaded());
  EXPECT_FALSE(AnyWindowOfThisThread());
}

}  // namespace
