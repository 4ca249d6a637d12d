#!/bin/sh
# Builds Kelvorn Drast and starts it under Wine, on this display or, without one, on a
# virtual display of its own.
#
# It runs in a Wine prefix of its own, build/wine-prefix, made on the first run and kept:
# that prefix gets Wine's own fonts (tools/wine-fonts.sh), so the windows look as in the
# tests and screenshots, while the user's own prefix is left as it is. Wine gives the new
# prefix the drives c: and z: (the Unix root) and the removable media it finds mounted;
# another folder becomes drive e: with ln -s /that/folder build/wine-prefix/dosdevices/e:
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tests/harness/windows_exe.sh"
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
export WINEPREFIX="$top/build/wine-prefix" WINEDEBUG=-all
# The fonts come last, so a prefix without them is one whose making did not finish.
if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  # No Mono or Gecko offer, and no menu entries in the user's home for this prefix.
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" wineboot -i
  "$top/tools/wine-fonts.sh" "$WINEPREFIX"
fi
"$(wine_loader "$build/Kelvorn Drast.exe")" "$build/Kelvorn Drast.exe"
