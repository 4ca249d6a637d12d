// A bounded wait for something another process does.
#pragma once

#include <windows.h>

namespace standin {

// Checks `condition` every few milliseconds until it holds or `timeoutMs` have passed.
// Returns whether it held.
template <class Condition>
bool PollUntil(Condition&& condition, DWORD timeoutMs) {
  constexpr DWORD kPollIntervalMs = 10;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollIntervalMs);
  }
}

}  // namespace standin
