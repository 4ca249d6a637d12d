// What failing_handlers.exe shows, known to it and to the test that drives it: a window on
// the real forms runtime whose buttons' Click handlers raise errors that nothing handles.
#pragma once

namespace failing_handlers {

inline constexpr wchar_t kProjectTitle[] = L"Kelvorn Drast";
inline constexpr wchar_t kWindowCaption[] = L"Failing handlers";

// Each raises on every click: a runtime error with its standard text, an out-of-memory
// exception, and an exception that is no runtime error at all.
inline constexpr wchar_t kRuntimeErrorButton[] = L"&File";
inline constexpr wchar_t kOutOfMemoryButton[] = L"&Memory";
inline constexpr wchar_t kOtherExceptionButton[] = L"&Other";
// Counts its clicks in the caption of the label, which starts as "0". It has a tooltip,
// which the runtime gives it only where the common controls can be had.
inline constexpr wchar_t kCountButton[] = L"&Count";
inline constexpr wchar_t kCountToolTip[] = L"Counts its clicks";

}  // namespace failing_handlers
