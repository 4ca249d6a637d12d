#!/bin/sh
# Builds the 64-bit and the 32-bit program, each with all its tests, and runs the two suites
# under Wine and Xvfb side by side: each has its own prefix, display and wineserver (its
# build's tests/harness session). Fails when either build or either suite fails. The
# suites' outputs follow one another, a failed suite's last, so that the run closes with
# CTest's summary of a failed suite when there is one.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
builds="x86_64 i686"
"$top/tools/install-deps.sh"
for build in $builds; do
  # Tests ON also for a build folder configured without them.
  cmake -S "$top" -B "$top/build/$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-$build.cmake" \
    -DKELVORN_BUILD_TESTS=ON >/dev/null
  cmake --build "$top/build/$build"
done

# Each build's suite, in the background: its output to build/<build>/test.log and its
# exit status to build/<build>/test.status.
jobs=$(nproc)
for build in $builds; do
  rm -f "$top/build/$build/test.status"
  (
    status=0
    ctest --test-dir "$top/build/$build" --output-on-failure -j "$jobs" >"$top/build/$build/test.log" 2>&1 ||
      status=$?
    echo "$status" >"$top/build/$build/test.status"
  ) &
done
echo "Running the suites side by side: $builds"
wait

passed=""
failed=""
for build in $builds; do
  if [ "$(cat "$top/build/$build/test.status")" = 0 ]; then passed="$passed $build"; else failed="$failed $build"; fi
done
for build in $passed $failed; do
  echo
  echo "=== $build suite"
  cat "$top/build/$build/test.log"
done
[ -z "$failed" ]
