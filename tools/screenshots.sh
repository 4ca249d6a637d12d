#!/bin/sh
# Saves the documentation's screenshots, docs/screenshots/*.png, taken of the built
# program in a Wine session of their own (Xvfb, private prefix; see
# tests/harness/wine_session.sh). Not a test: run it by hand after a visible change.
#
#   tools/screenshots.sh [build-dir]
#
# build-dir: a build configured with the x86_64 toolchain and the tests on (the
# default); it is made if it has no CMakeCache.txt. Default:
# ${TMPDIR:-/tmp}/kelvorn-screenshots. The shots are listed in
# tests/screenshots/screenshots.cpp, one table row each.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${TMPDIR:-/tmp}/kelvorn-screenshots}
session=$build/screenshots-session
output=$repo/docs/screenshots

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake"
fi
cmake --build "$build" --target kelvorn_drast screenshots desktop_keeper cmd_standin
build=$(cd "$build" && pwd)

trap 'sh "$repo/tests/harness/wine_session.sh" stop "$session"' EXIT
sh "$repo/tests/harness/wine_session.sh" start "$session" \
  --desktop-keeper "$build/tests/harness/desktop_keeper.exe" \
  --cmd-standin "$build/tests/cmd_standin/cmd_standin.exe"

mkdir -p "$output"
# Wine maps / to Z:.
windows_output=$(printf 'Z:%s' "$output" | tr / '\\')
KELVORN_EXE="$build/Kelvorn Drast.exe" \
  sh "$repo/tests/harness/in_wine.sh" "$session" "$build/tests/screenshots/screenshots.exe" "$windows_output"
