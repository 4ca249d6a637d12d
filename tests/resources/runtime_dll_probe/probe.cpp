// Uses the C++ runtime, exceptions and a mutex, so that, linked without -static, it imports the
// compiler's runtime DLLs; and it calls mpr and comctl32, which are system DLLs but no KnownDLLs.
// The import check must reject it.
#include <windows.h>

#include <commctrl.h>
#include <winnetwk.h>

#include <mutex>
#include <stdexcept>
#include <string>

int main(int argc, char**) {
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  try {
    if (argc > 1) throw std::runtime_error(std::string("arguments: ") + std::to_string(argc));
  } catch (const std::exception&) {
    // The probe is never run, only inspected.
    wchar_t remote[MAX_PATH];
    DWORD length = MAX_PATH;
    InitCommonControls();
    return static_cast<int>(WNetGetConnectionW(L"q:", remote, &length));
  }
  return 0;
}
