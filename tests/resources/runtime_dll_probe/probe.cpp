// Uses the C++ runtime, exceptions and a mutex, so that, linked without -static, it imports the
// compiler's runtime DLLs; the import check must reject it.
#include <mutex>
#include <stdexcept>
#include <string>

int main(int argc, char**) {
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  try {
    if (argc > 1) throw std::runtime_error(std::string("arguments: ") + std::to_string(argc));
  } catch (const std::exception&) {
    return 1;  // the probe is never run, only inspected
  }
  return 0;
}
