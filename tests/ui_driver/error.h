// Failures of the driver itself: a system call that failed, a window that never came.
#pragma once

#include <stdexcept>
#include <string_view>

namespace ui {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws DriverError naming `what` and the calling thread's last error code.
[[noreturn]] void throwLastError(std::string_view what);

} // namespace ui
