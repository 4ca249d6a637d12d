#!/bin/sh
# The bench: one command, one table. Builds what it needs, starts a Wine session of its own,
# measures, stops the session and prints the table; it also writes the table, with the
# machine it ran on, to bench/RESULTS.md. Every figure comes from this one run, under one
# Wine and one Xvfb, and is shown as a ratio against its floor. Absolute times depend on the
# machine; only the ratios compare between machines.
#
#   bench/run.sh [build-dir]          (default: build/x86_64 in the source tree)
#
# Settings, from the environment:
#   BENCH_STARTUP_RUNS   timed starts of each program, interleaved (default 21)
#   BENCH_MEMORY_RUNS    starts of each program whose memory is read (default 5)
#   BENCH_REMOVALS       sizes of autorun.inf and runs of each way, as entries:runs
#                        (default "1000:7 10000:5 100000:1"; one run of 100,000 both ways takes
#                        about 4 min with its trees made; the whole bench about 7.5 min)
#
# What is measured (bench/driver/bench_driver.cpp does it from inside the session):
#   Start-up  From just before CreateProcess until, in this order, WaitForInputIdle has
#             returned, a top-level window of the process is visible with all its controls
#             (12 for the program and its twin, none for the bare window), and that window
#             answers a sent WM_NULL. Programs: "Kelvorn Drast.exe"; the floor of any Win32
#             program here, a bare window (bench/bare_window.cpp); the floor of this window,
#             its twin made straight on Win32 with the program's own resources
#             (bench/twin_window.cpp). Median of the runs; one untimed start each first.
#   Size      The exe's size, the sum of its resources (read from the exe), the rest, and the
#             DLLs it imports. KB are 1,024 bytes. The twin, with the same resources and the
#             same C++ runtime, is the floor.
#   Memory    Working set and private bytes of the running window, read from the driver with
#             GetProcessMemoryInfo. Wine leaves PrivateUsage at 0 and puts the process's
#             private memory in PagefileUsage (its commit charge, the same figure on
#             Windows), so that is the one shown. Median of the runs.
#   Removal   q:\autorun.inf with N entries (the folders con, aux and nul.xxxxxxx, and under
#             them folders of 99 files), made afresh before every run. Through the program:
#             started in q:\, Delete clicked, OK in "Confirmation" clicked; timed from that OK
#             until the box "Information" is up. Directly: the stand-in cmd.exe started as the
#             program starts it, "cmd /c rd /s /q \\.\q:\autorun.inf", timed from CreateProcess
#             to its end. Both ways alternate; medians.
#
# The session differs from the test session in two registry settings: cmd.exe is the
# stand-in for every process (a DllOverrides entry: Wine takes WINEDLLOVERRIDES from the
# Unix environment only, which in_wine.sh sets), and Wine manages the windows itself
# ("Managed"="N"): with no window manager on the display, hiding a window otherwise waits
# 2 s for one (wait_for_withdrawn_state), which would be most of a removal's time.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$top/build/x86_64}" && cd "${1:-$top/build/x86_64}" && pwd)
startup_runs=${BENCH_STARTUP_RUNS:-21}
memory_runs=${BENCH_MEMORY_RUNS:-5}
removals=${BENCH_REMOVALS:-"1000:7 10000:5 100000:1"}

out=$build/bench
session=$out/session
samples=$out/samples.txt
log=$out/driver.log
started_at=$(date +%s)
load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)

"$top/tools/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target kelvorn_drast bench_bare_window bench_twin_window bench_driver cmd_standin \
  desktop_keeper

program=$build/Kelvorn\ Drast.exe
bare=$build/bench/bench_bare_window.exe
twin=$build/bench/bench_twin_window.exe
driver=$build/bench/bench_driver.exe
objdump=$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$build/CMakeCache.txt")

mkdir -p "$out"
: >"$samples"
: >"$log"

# A Windows path for a Unix one: Wine maps / to Z:.
windows_path() {
  printf 'Z:%s' "$(realpath "$1")" | tr / '\\'
}

stop_session() {
  sh "$top/tests/harness/wine_session.sh" stop "$session" >>"$log" 2>&1 || true
}
trap stop_session EXIT
trap 'exit 130' INT TERM

echo "Starting the bench's Wine session in $session"
sh "$top/tests/harness/wine_session.sh" start "$session" \
  --desktop-keeper "$build/tests/harness/desktop_keeper.exe" \
  --cmd-standin "$build/tests/cmd_standin/cmd_standin.exe" >>"$log" 2>&1
in_wine() {
  sh "$top/tests/harness/in_wine.sh" "$session" "$@"
}
reg_file=$out/bench.reg
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\DllOverrides]' '"cmd.exe"="native"' '' \
  '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' >"$reg_file"
in_wine regedit /s "$(windows_path "$reg_file")" >>"$log" 2>&1

# Runs the driver; its samples go to the samples file, the rest to the log.
measure() {
  echo "Measuring: $1"
  if ! in_wine "$driver" "$@" >>"$samples" 2>>"$log"; then
    echo "bench_driver $1 failed:" >&2
    grep -v 'Read access denied' "$log" | tail -5 >&2
    exit 1
  fi
}

bare_exe=$(windows_path "$bare")
twin_exe=$(windows_path "$twin")
program_exe=$(windows_path "$program")
measure startup "$startup_runs" bare "$bare_exe" 0 twin "$twin_exe" 12 program "$program_exe" 12
measure memory "$memory_runs" bare "$bare_exe" 0 twin "$twin_exe" 12 program "$program_exe" 12
measure resources program "$program_exe"
measure resources twin "$twin_exe"
for removal in $removals; do
  measure removal "$program_exe" q: "${removal#*:}" "${removal%%:*}"
done

# ---- the table ----

median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
samples_of() {
  awk -v kind="$1" -v label="$2" -v field="$3" '$1 == kind && $2 == label { print $field }' "$samples"
}
removal_ms() {
  awk -v entries="$1" -v way="$2" '$1 == "removal" && $2 == entries && $3 == way { print $4 }' "$samples"
}
count_of() {
  samples_of "$@" | wc -l | tr -d ' '
}
calc() {
  awk "BEGIN { printf \"$1\", $2 }"
}
met() {
  awk -v value="$1" -v goal="$2" 'BEGIN { print (value <= goal ? "yes" : "**no**") }'
}
resource_bytes() {
  awk -v label="$1" '$1 == "resource" && $2 == label { sum += $6 } END { print sum + 0 }' "$samples"
}
icon_bytes() {
  awk -v label="$1" '$1 == "resource" && $2 == label && ($3 == "#3" || $3 == "#14") { sum += $6 } END { print sum + 0 }' "$samples"
}
imports() {
  "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr '\n' ' ' | sed 's/ $//'
}
grouped() {
  printf '%s' "$1" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta'
}

startup_bare=$(samples_of startup bare 3 | median)
startup_twin=$(samples_of startup twin 3 | median)
startup_program=$(samples_of startup program 3 | median)

exe_bytes=$(stat -c %s "$program")
twin_bytes=$(stat -c %s "$twin")
resources=$(resource_bytes program)
twin_resources=$(resource_bytes twin)
beyond=$((exe_bytes - resources))
twin_beyond=$((twin_bytes - twin_resources))
program_dlls=$(imports "$program")
if sh "$top/tests/resources/check_system_imports.sh" "$objdump" "$program" >/dev/null 2>&1; then
  system_only=yes
else
  system_only="**no**"
fi

# Private bytes: PrivateUsage when the system fills it, else the commit charge.
memory_median() {
  awk -v label="$1" -v what="$2" '$1 == "memory" && $2 == label {
      print (what == "working" ? $3 : ($4 > 0 ? $4 : $5)) / 1024 }' "$samples" | median
}
working_twin=$(memory_median twin working)
working_program=$(memory_median program working)
private_bare=$(memory_median bare private)
private_twin=$(memory_median twin private)
private_program=$(memory_median program private)

table=$out/table.md
{
  echo "| Figure | Kelvorn Drast | Floor | Ratio | Goal | Met |"
  echo "|---|---|---|---|---|---|"
  echo "| Start-up, median of $(count_of startup program 3) (ms) | $(calc %.1f "$startup_program") |" \
    "twin $(calc %.1f "$startup_twin") | $(calc %.2f "$startup_program / $startup_twin") | 1.10 |" \
    "$(met "$(calc %.4f "$startup_program / $startup_twin")" 1.10) |"
  echo "| Start-up against the bare window (ms) | $(calc %.1f "$startup_program") |" \
    "bare $(calc %.1f "$startup_bare") | $(calc %.2f "$startup_program / $startup_bare") | - | - |"
  echo "| Exe beyond its resources (KB) | $(calc %.1f "$beyond / 1024") |" \
    "twin $(calc %.1f "$twin_beyond / 1024") | $(calc %.2f "$beyond / $twin_beyond") | 200 KB |" \
    "$(met "$beyond" 204800) |"
  echo "| Private bytes, median of $(count_of memory program 3) (KB) | $(calc %.0f "$private_program") |" \
    "twin $(calc %.0f "$private_twin") | $(calc %.2f "$private_program / $private_twin") | 4 MB |" \
    "$(met "$private_program" 4096) |"
  echo "| Private bytes against the bare window (KB) | $(calc %.0f "$private_program") |" \
    "bare $(calc %.0f "$private_bare") | $(calc %.2f "$private_program / $private_bare") | - | - |"
  echo "| Working set (KB) | $(calc %.0f "$working_program") | twin $(calc %.0f "$working_twin") |" \
    "$(calc %.2f "$working_program / $working_twin") | - | - |"
  for removal in $removals; do
    entries=${removal%%:*}
    through=$(removal_ms "$entries" program | wc -l | tr -d ' ')
    program_ms=$(removal_ms "$entries" program | median)
    direct_ms=$(removal_ms "$entries" direct | median)
    goal=-
    verdict=-
    if [ "$entries" = 10000 ]; then
      goal=1.05
      verdict=$(met "$(calc %.4f "$program_ms / $direct_ms")" 1.05)
    fi
    echo "| Removal of $(grouped "$entries") entries, median of $through (ms) | $(calc %.0f "$program_ms") |" \
      "stand-in $(calc %.0f "$direct_ms") | $(calc %.2f "$program_ms / $direct_ms") | $goal | $verdict |"
  done
} >"$table"

# How the removal time grows: milliseconds per 1,000 entries at each size, and each way's
# factor from one size to the next.
growth=$(for removal in $removals; do
  entries=${removal%%:*}
  printf '%s %s %s\n' "$entries" "$(removal_ms "$entries" program | median)" "$(removal_ms "$entries" direct | median)"
done | awk '{
    line = line (NR > 1 ? "; " : "") sprintf("%d entries: program %.0f, stand-in %.0f", $1, $2 * 1000 / $1, $3 * 1000 / $1)
    if (NR > 1) factors = factors (NR > 2 ? "; " : "") sprintf("%d to %d entries (x%.0f): program x%.1f, stand-in x%.1f",
      size, $1, $1 / size, $2 / program, $3 / direct)
    size = $1; program = $2; direct = $3
  } END { print line "|" factors }')
# Every sample, so the spread shows beside the medians.
spread=$(for removal in $removals; do
  entries=${removal%%:*}
  printf '%s entries: program %s, stand-in %s\n' "$(grouped "$entries")" \
    "$(removal_ms "$entries" program | sort -g | awk '{ printf "%s%.0f", (NR > 1 ? " " : ""), $1 }')" \
    "$(removal_ms "$entries" direct | sort -g | awk '{ printf "%s%.0f", (NR > 1 ? " " : ""), $1 }')"
done | paste -sd ';' | sed 's/;/; /g')

machine="$(nproc) CPUs, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(wine --version 2>/dev/null), Xvfb $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo unknown)"
commit="$(git -C "$top" rev-parse --short HEAD 2>/dev/null || echo unknown)"
if [ -n "$(git -C "$top" status --porcelain 2>/dev/null)" ]; then
  commit="$commit (with uncommitted changes)"
fi
elapsed=$(($(date +%s) - started_at))

report() {
  cat "$table"
  echo
  echo "- Exe: $(grouped "$exe_bytes") bytes = resources $(grouped "$resources")" \
    "(icon $(grouped "$(icon_bytes program)")) + $(grouped "$beyond") beyond them."
  echo "- DLLs it imports: $program_dlls. System DLLs only: $system_only."
  echo "- Removal time per 1,000 entries (ms): ${growth%%|*}."
  echo "- Growth of the removal time: ${growth#*|}."
  echo "- Every removal sample, sorted (ms): $spread."
  echo "- Machine: $machine; load average $load_at_start at the start (other work on the machine"
  echo "  spreads the samples). Source: $commit. The whole bench took $elapsed s."
  echo "- Absolute times vary with the machine; only the ratios compare."
}

report
{
  echo "# Bench results"
  echo
  echo "The latest table of \`bench/run.sh\` (see the head of that script for what each figure is)."
  echo
  report
} >"$top/bench/RESULTS.md"
