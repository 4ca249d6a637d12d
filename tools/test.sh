#!/bin/sh
# Builds everything (the 64-bit program with its tests, and the 32-bit program) and runs
# all tests under Wine and Xvfb. CTest's summary closes the run.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
jobs=$(nproc)
cmake -S "$top" -B "$top/build/i686" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-i686.cmake" \
  -DKELVORN_BUILD_TESTS=OFF >/dev/null
cmake --build "$top/build/i686"
cmake -S "$top" -B "$top/build/x86_64" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$top/build/x86_64"
ctest --test-dir "$top/build/x86_64" --output-on-failure -j "$jobs"
