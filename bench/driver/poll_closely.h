// A bounded wait that looks again every millisecond. ui::waitFor looks every 20 ms, which
// is right for tests but would be a large part of start-up times of a few hundred ms.
#pragma once

#include <windows.h>

#include <chrono>
#include <string_view>

#include "tests/ui_driver/wait.h"

namespace bench {

// Returns the first value of `probe` that tests true; throws ui::WaitTimeout, naming
// `what`, when none has within `bound`.
template <class Probe>
auto PollClosely(std::string_view what, Probe&& probe, std::chrono::milliseconds bound) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    if (auto value = probe()) return value;
    if (std::chrono::steady_clock::now() >= deadline) throw ui::WaitTimeout(what, bound);
    Sleep(1);
  }
}

}  // namespace bench
