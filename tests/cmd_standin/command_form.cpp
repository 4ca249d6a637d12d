#include "tests/cmd_standin/command_form.h"

#include <array>
#include <vector>

#include "tests/cmd_standin/same_ignoring_case.h"

namespace standin {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Words split at blanks outside double quotes; the quotes themselves are dropped.
std::vector<std::wstring> Words(std::wstring_view text) {
  std::vector<std::wstring> words;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at == text.size()) break;
    std::wstring word;
    bool quoted = false;
    for (; at < text.size() && (quoted || !IsBlank(text[at])); ++at) {
      if (text[at] == L'"') {
        quoted = !quoted;
      } else {
        word += text[at];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

bool NamesCmd(std::wstring_view program) {
  const std::size_t separator = program.find_last_of(L"\\/");
  const std::wstring_view name =
      separator == std::wstring_view::npos ? program : program.substr(separator + 1);
  return SameIgnoringCase(name, L"cmd") || SameIgnoringCase(name, L"cmd.exe");
}

bool IsDeviceNamespacePath(std::wstring_view path) {
  return path.size() > 4 && (path.starts_with(L"\\\\.\\") || path.starts_with(L"\\\\?\\"));
}

}  // namespace

std::optional<std::wstring> RemovalTargetOf(std::wstring_view commandLine) {
  constexpr std::array<std::wstring_view, 4> kCommandWords = {L"/c", L"rd", L"/s", L"/q"};
  const std::vector<std::wstring> words = Words(commandLine);
  if (words.size() != kCommandWords.size() + 2 || !NamesCmd(words.front())) return std::nullopt;
  for (std::size_t i = 0; i < kCommandWords.size(); ++i) {
    if (!SameIgnoringCase(words[i + 1], kCommandWords[i])) return std::nullopt;
  }
  if (!IsDeviceNamespacePath(words.back())) return std::nullopt;
  return words.back();
}

}  // namespace standin
