#include "bench/driver/ready_window.h"

#include <chrono>

#include "bench/driver/poll_closely.h"
#include "bench/driver/process_access.h"
#include "tests/ui_driver/error.h"
#include "tests/ui_driver/window_query.h"

namespace bench {
namespace {

constexpr std::chrono::milliseconds kStepBound{10'000};

}  // namespace

HWND WaitUntilReady(const ui::Program& program, int controls) {
  const forms::OwnedHandle process = OpenForQueries(program.processId());
  if (WaitForInputIdle(process.Get(), static_cast<DWORD>(kStepBound.count())) != 0) {
    throw ui::WaitTimeout("WaitForInputIdle", kStepBound);
  }
  HWND window = PollClosely("the window with its controls", [&]() -> HWND {
    HWND candidate = ui::findTopLevel(program.processId(), {}, {});
    return candidate && ui::childControls(candidate).size() >= static_cast<size_t>(controls) ? candidate : nullptr;
  }, kStepBound);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(kStepBound.count()), &result)) {
    throw ui::WaitTimeout("the window to answer", kStepBound);
  }
  return window;
}

}  // namespace bench
