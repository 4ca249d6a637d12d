#!/bin/sh
# Builds Kelvorn Drast and starts it under Wine, on this display or, without one, on a
# virtual display of its own.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
build="$top/build/x86_64"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target kelvorn_drast
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :93 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  trap 'kill $!' EXIT
  export DISPLAY=:93
  echo "No display: running on the virtual display :93"
fi
WINEDEBUG=-all wine "$build/Kelvorn Drast.exe"
