// The forms runtime in-process: error modes, declared functions, texts, twips, program-wide
// instances and the life of a window (Initialize, Load, QueryUnload on each road, modal Show).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "forms/declare.h"
#include "forms/error_handling.h"
#include "forms/form.h"
#include "forms/geometry.h"
#include "forms/global.h"
#include "forms/internal.h"
#include "forms/text.h"

namespace {

using forms::RuntimeError;

// --- error modes --------------------------------------------------------------------------

TEST(ErrorModes, ResumeNextSkipsTheFailingStatementAndRecordsIt) {
  std::vector<int> ran;
  forms::ResumeNextOnError onError;
  onError([&] { ran.push_back(1); });
  onError([&] {
    throw RuntimeError(forms::kFileNotFound);
    ran.push_back(2);
  });
  onError([&] { ran.push_back(3); });
  EXPECT_EQ(ran, (std::vector<int>{1, 3}));
  EXPECT_EQ(forms::Err().Number, 53);
  EXPECT_EQ(forms::Err().Description, L"File not found");
}

TEST(ErrorModes, SettingResumeNextClearsTheErrorObject) {
  forms::Err().Record(RuntimeError(forms::kOutOfMemory));
  forms::ResumeNextOnError onError;
  EXPECT_EQ(forms::Err().Number, 0);
}

TEST(ErrorModes, ResumeNextTurnsAnyExceptionIntoARuntimeError) {
  forms::ResumeNextOnError onError;
  onError([] { throw std::bad_alloc(); });
  EXPECT_EQ(forms::Err().Number, 7);
}

TEST(ErrorModes, LeaveSilentlyEndsTheProcedureAtTheError) {
  bool after = false;
  forms::LeaveSilentlyOnError([&] {
    throw RuntimeError(forms::kInvalidArgument);
    after = true;
  });
  EXPECT_FALSE(after);
}

TEST(ErrorModes, NoModeLetsTheErrorLeaveWithItsNumber) {
  try {
    forms::Mid(L"abc", 0, 1);
    FAIL() << "Mid with start 0 must raise";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 5);
  }
}

// --- texts --------------------------------------------------------------------------------

TEST(Mid, TakesAtMostTheLengthFromAOneBasedStart) {
  struct Case {
    const wchar_t* text;
    long start, length;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"q: [STICK]", 1, 2, L"q:"}, {L"q:", 1, 2, L"q:"}, {L"q", 1, 2, L"q"},
      {L"", 1, 2, L""},             {L"abc", 4, 2, L""},  {L"abcdef", 3, 2, L"cd"},
  };
  for (const Case& c : cases) EXPECT_EQ(forms::Mid(c.text, c.start, c.length), c.expected) << c.text;
}

TEST(CStr, WritesTheNumberInDecimalWithASignOnlyWhenNegative) {
  struct Case {
    long long number;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {0, L"0"},
      {5, L"5"},
      {-1, L"-1"},
      {4294967295, L"4294967295"},    // the largest DWORD, as a system error code may be
      {-2147024894, L"-2147024894"},  // HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)
      {INT64_MIN, L"-9223372036854775808"},
  };
  for (const Case& c : cases) EXPECT_EQ(forms::CStr(c.number), c.expected) << c.number;
}

TEST(AnsiText, CopiesTheTextBackIntoTheVariableAfterTheCall) {
  std::wstring path = L"q:\\autorun.inf";
  {
    forms::AnsiText copy(path);
    char* ansi = copy;
    EXPECT_STREQ(ansi, "q:\\autorun.inf");
    ansi[0] = 'r';  // what the callee leaves is what comes back
  }
  EXPECT_EQ(path, L"r:\\autorun.inf");
}

TEST(AnsiText, ACharacterOutsideTheCodePageComesBackAsItsSubstitute) {
  std::wstring text = L"a\u4e00b";
  { forms::AnsiText copy(text); }
  EXPECT_EQ(text, L"a?b");
}

// --- declared functions -------------------------------------------------------------------

TEST(DeclaredFunction, BindsByLibraryAndEntryAndPassesTextAsAnsi) {
  const forms::DeclaredFunction<int(WINAPI*)(LPCSTR)> lstrlen{L"kernel32", "lstrlenA"};
  EXPECT_EQ(lstrlen(std::wstring_view(L"autorun")), 7);
  std::wstring variable = L"con";
  EXPECT_EQ(lstrlen(variable), 3);
}

TEST(DeclaredFunction, AMissingLibraryOrEntryRaisesAtTheFirstCall) {
  struct Case {
    const wchar_t* library;
    const char* entry;
    long number;
  };
  const Case cases[] = {{L"no_such_library.dll", "Anything", 53}, {L"kernel32", "NoSuchEntry", 453}};
  for (const Case& c : cases) {
    const forms::DeclaredFunction<int(WINAPI*)()> missing{c.library, c.entry};
    try {
      missing();
      ADD_FAILURE() << "no error for " << c.entry;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), c.number);
    }
  }
}

TEST(DeclaredFunction, ALibraryBesideTheProgramIsNotLoaded) {
  // Libraries come only from the system directory, even when a file of that name is here.
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring planted(exe);
  planted = planted.substr(0, planted.find_last_of(L'\\') + 1) + L"planted_library.dll";
  ASSERT_TRUE(CopyFileW(exe, planted.c_str(), FALSE));
  const forms::DeclaredFunction<int(WINAPI*)()> beside{L"planted_library.dll", "main"};
  long number = 0;
  try {
    beside();
  } catch (const RuntimeError& error) {
    number = error.Number();
  }
  DeleteFileW(planted.c_str());
  EXPECT_EQ(number, 53) << "loaded from beside the program, it would say 453";
}

// --- twips --------------------------------------------------------------------------------

TEST(Geometry, TwipsBecomePixelsAtTheDisplaysDpi) {
  EXPECT_EQ(forms::PixelsFromTwips(6375, 96), 425);
  EXPECT_EQ(forms::PixelsFromTwips(3840, 96), 256);
  EXPECT_EQ(forms::PixelsFromTwips(6375, 144), 638);  // 637.5 rounds up
  const RECT box = forms::PixelRect({360, 120, 675, 705}, 144);
  EXPECT_EQ(box.left, 36);
  EXPECT_EQ(box.top, 12);
  EXPECT_EQ(box.right - box.left, 68);
  EXPECT_EQ(box.bottom - box.top, 71);
  EXPECT_EQ(forms::FontHeight(8.25, 96), -11);
  EXPECT_EQ(forms::FontHeight(13.5, 144), -27);
}

}  // namespace
