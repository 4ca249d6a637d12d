// The stand-ins record each start in a log that the tests read: a UTF-8 text file, one line
// per record, each ended by LF. The file's Windows path comes from an environment variable.
#pragma once

#include <string_view>

namespace standin {

// Appends `line` and LF to the file named by the environment variable `variable`, creating
// the file if needed. Returns false, writing nothing, when the variable is not set.
// The line goes out in one append, so records of programs running at once do not mix.
bool AppendLineToLogNamedBy(const wchar_t* variable, std::wstring_view line);

}  // namespace standin
