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
#                        (default "1000:7 10000:7 100000:5")
#   BENCH_CPU            the one CPU that the whole session runs on (default: the last one)
#
# What is measured (bench/driver/bench_driver.cpp does it from inside the session):
#   Start-up  From just before CreateProcess until, in this order, WaitForInputIdle has
#             returned, a top-level window of the process is visible with all its controls
#             (12 for the program and its twin, none for the bare window), and that window
#             answers a sent WM_NULL. Programs: "Kelvorn Drast.exe"; the floor of any Win32
#             program here, a bare window (bench/bare_window.cpp); the floor of this window,
#             its twin made straight on Win32 with the program's own resources
#             (bench/twin_window.cpp). One untimed start each first.
#   Size      The exe's size, the sum of its resources (read from the exe), the rest, and the
#             DLLs it imports. KB are 1,024 bytes. The twin, with the same resources and the
#             same C++ runtime, is the floor.
#   Memory    Working set and private bytes of the running window, read from the driver with
#             GetProcessMemoryInfo. Wine leaves PrivateUsage at 0 and puts the process's
#             private memory in PagefileUsage (its commit charge, the same figure on
#             Windows), so that is the one shown. The goal is set against the twin: under
#             Wine a bare window alone takes 4 MB.
#   Removal   q:\autorun.inf with N entries (the folders con, aux and nul.xxxxxxx, and under
#             them folders of 99 files), made afresh before every run, timed two ways that
#             alternate run by run. Both learn of the interpreter's end from a job's
#             completion port and look at no window while it runs (under Wine each look is
#             a request to the one wineserver thread that its file operations queue on).
#             Through the program: started in q:\ with the pointer in the screen's corner
#             (under Wine a themed button under the pointer polls it on a system timer:
#             waiting, the program then made some 900 round trips to the wineserver and
#             took 23 ms of CPU a second), its tree made once its window is ready,
#             Delete clicked, OK in "Confirmation" clicked; timed from that OK, through the
#             interpreter that the program starts and its end, until the box "Information"
#             is up (looked for every millisecond once the interpreter has ended). Directly:
#             the stand-in cmd.exe started as the program starts it,
#             "cmd /c rd /s /q \\.\q:\autorun.inf", timed from just before CreateProcess to
#             its end. The Ratio is that of the medians; the notes give the ratio run by run.
#
# Every table figure is the median of its samples, with the smallest and the largest
# beside it. A bare Goal number is a ratio goal: at most that times the floor.
#
# The session is the test session (cmd.exe is the stand-in for every process, Wine manages
# the windows itself), with three changes. The prefix gets Wine's own fonts: without them
# every face resolves to Liberation Sans. q: lives in memory (a folder in /dev/shm): on an
# ext4 disk mounted with "discard", as on the machine of the table below, each file that the
# interpreter removes waits in close() for a discard of its block, as long as the host and
# the other work on its disk make it. And every process of the session runs on one CPU: a
# removal is some 5 round trips per entry between the interpreter and the wineserver, and
# on a virtual machine each wake-up of a process on another CPU costs what the host makes
# it (10,000 entries took 4.5 to 23 s spread over the CPUs, 1.6 to 2.4 s on one).
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$top/build/x86_64}" && cd "${1:-$top/build/x86_64}" && pwd)
startup_runs=${BENCH_STARTUP_RUNS:-21}
memory_runs=${BENCH_MEMORY_RUNS:-5}
removals=${BENCH_REMOVALS:-"1000:7 10000:7 100000:5"}
cpu=${BENCH_CPU:-$(($(nproc) - 1))}

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

# The session's q:, in memory (see the head of this file).
ram_drive=$(mktemp -d /dev/shm/kelvorn-bench-q.XXXXXX)

stop_session() {
  sh "$top/tests/harness/wine_session.sh" stop "$session" >>"$log" 2>&1 || true
  rm -rf "$ram_drive"
}
trap stop_session EXIT
trap 'exit 130' INT TERM

# Every process of the session inherits the CPU from the one that starts it.
on_the_cpu() {
  taskset -c "$cpu" "$@"
}
echo "Starting the bench's Wine session in $session, on CPU $cpu"
on_the_cpu sh "$top/tests/harness/wine_session.sh" start "$session" \
  --desktop-keeper "$build/tests/harness/desktop_keeper.exe" \
  --cmd-standin "$build/tests/cmd_standin/cmd_standin.exe" >>"$log" 2>&1
in_wine() {
  on_the_cpu sh "$top/tests/harness/in_wine.sh" "$session" "$@"
}
prefix=$(. "$session/session.env" && printf '%s' "$WINEPREFIX")
# Each Wine process reads the fonts folder as it starts.
cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
# The session's q: is the folder drives/q; Wine follows a link there when the path is used.
rm -rf "$session/drives/q"
ln -s "$ram_drive" "$session/drives/q"

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

# The smallest, the median and the largest of the numbers on standard input.
summary() {
  sort -g | awk '{ v[NR] = $1 } END {
      if (NR == 0) { print "nan nan nan"; exit }
      print v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR] }'
}
median() {
  summary | cut -d' ' -f2
}
samples_of() {
  awk -v kind="$1" -v label="$2" -v field="$3" '$1 == kind && $2 == label { print $field }' "$samples"
}
# Field 4 of a removal sample is its time; through the program, field 5 is the time of the
# interpreter's end.
removal_ms() {
  awk -v entries="$1" -v way="$2" '$1 == "removal" && $2 == entries && $3 == way { print $4 }' "$samples"
}
box_after_end_ms() {
  awk -v entries="$1" '$1 == "removal" && $2 == entries && $3 == "program" { print $4 - $5 }' "$samples"
}
# The program's sample over the stand-in's, run by run: each run has one sample of each way.
run_ratios() {
  awk -v entries="$1" '$1 == "removal" && $2 == entries {
      if ($3 == "program") program[++p] = $4; else direct[++d] = $4 }
    END { for (i = 1; i <= p && i <= d; ++i) print program[i] / direct[i] }' "$samples"
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

# A table row of sampled figures: the figure, a printf format, the program's summary, the
# floor's name and summary, and a ratio goal or "-". The ratio is that of the medians.
sampled_row() {
  figure=$1 format=$2 floor=$4 goal=$6
  set -- $3 $5
  ratio=$(calc %.4f "$2 / $5")
  verdict=-
  [ "$goal" = - ] || verdict=$(met "$ratio" "$goal")
  echo "| $figure | $(calc "$format" "$2") | $(calc "$format" "$1") | $(calc "$format" "$3") |" \
    "$floor $(calc "$format" "$5") | $(calc "$format" "$4") | $(calc "$format" "$6") |" \
    "$(calc %.2f "$ratio") | $goal | $verdict |"
}

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

# KB of memory; private bytes are PrivateUsage when the system fills it, else the commit charge.
memory_kb() {
  awk -v label="$1" -v what="$2" '$1 == "memory" && $2 == label {
      print (what == "working" ? $3 : ($4 > 0 ? $4 : $5)) / 1024 }' "$samples"
}

removal_goal() {
  case $1 in
    10000 | 100000) echo 1.05 ;;
    *) echo - ;;
  esac
}

table=$out/table.md
{
  echo "| Figure | Kelvorn Drast | min | max | Floor | min | max | Ratio | Goal | Met |"
  echo "|---|---|---|---|---|---|---|---|---|---|"
  startup_program=$(samples_of startup program 3 | summary)
  sampled_row "Start-up, $(count_of startup program 3) runs (ms)" %.1f "$startup_program" \
    twin "$(samples_of startup twin 3 | summary)" 1.10
  sampled_row "Start-up against the bare window (ms)" %.1f "$startup_program" \
    bare "$(samples_of startup bare 3 | summary)" -
  echo "| Exe beyond its resources (KB) | $(calc %.1f "$beyond / 1024") | - | - |" \
    "twin $(calc %.1f "$twin_beyond / 1024") | - | - | $(calc %.2f "$beyond / $twin_beyond") | 200 KB |" \
    "$(met "$beyond" 204800) |"
  private_program=$(memory_kb program private | summary)
  sampled_row "Private bytes, $(count_of memory program 3) runs (KB)" %.0f "$private_program" \
    twin "$(memory_kb twin private | summary)" 1.05
  sampled_row "Private bytes against the bare window (KB)" %.0f "$private_program" \
    bare "$(memory_kb bare private | summary)" -
  sampled_row "Working set (KB)" %.0f "$(memory_kb program working | summary)" \
    twin "$(memory_kb twin working | summary)" -
  for removal in $removals; do
    entries=${removal%%:*}
    runs=$(removal_ms "$entries" program | wc -l | tr -d ' ')
    sampled_row "Removal of $(grouped "$entries") entries, $runs runs (ms)" \
      %.0f "$(removal_ms "$entries" program | summary)" stand-in "$(removal_ms "$entries" direct | summary)" \
      "$(removal_goal "$entries")"
  done
} >"$table"

# One note's figures for each size of removal: "<entries> entries: <what $1 prints>".
per_size() {
  for removal in $removals; do
    entries=${removal%%:*}
    printf '%s entries: %s\n' "$(grouped "$entries")" "$("$1" "$entries")"
  done | paste -sd ';' | sed 's/;/; /g'
}
ratios_of_runs() {
  run_ratios "$1" | summary | awk '{ printf "%.2f / %.2f / %.2f", $1, $2, $3 }'
}
box_after_end() {
  box_after_end_ms "$1" | summary | awk '{ printf "%.0f / %.0f / %.0f", $1, $2, $3 }'
}
# Every sample, so the spread shows beside the medians.
every_sample() {
  printf 'program %s, stand-in %s' \
    "$(removal_ms "$1" program | sort -g | awk '{ printf "%s%.0f", (NR > 1 ? " " : ""), $1 }')" \
    "$(removal_ms "$1" direct | sort -g | awk '{ printf "%s%.0f", (NR > 1 ? " " : ""), $1 }')"
}
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

machine="$(nproc) CPUs, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(wine --version 2>/dev/null), Xvfb $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo unknown)"
commit="$(git -C "$top" rev-parse --short HEAD 2>/dev/null || echo unknown)"
if [ -n "$(git -C "$top" status --porcelain 2>/dev/null)" ]; then
  commit="$commit (with uncommitted changes)"
fi
elapsed=$(($(date +%s) - started_at))
load_at_end=$(cut -d' ' -f1-3 /proc/loadavg)

report() {
  cat "$table"
  echo
  echo "- Exe: $(grouped "$exe_bytes") bytes = resources $(grouped "$resources")" \
    "(icon $(grouped "$(icon_bytes program)")) + $(grouped "$beyond") beyond them."
  echo "- DLLs it imports: $program_dlls. System DLLs only: $system_only."
  echo "- Removal, the program's time over the stand-in's run by run, min / median / max: $(per_size ratios_of_runs)."
  echo "- Removal through the program, from the interpreter's end until the box is up (ms)," \
    "min / median / max: $(per_size box_after_end)."
  echo "- Removal time per 1,000 entries (ms): ${growth%%|*}."
  echo "- Growth of the removal time: ${growth#*|}."
  echo "- Every removal sample, sorted (ms): $(per_size every_sample)."
  echo "- Machine: $machine; the session on CPU $cpu; load average $load_at_start at the start and"
  echo "  $load_at_end at the end (other work on the machine spreads the samples). Source: $commit."
  echo "  The whole bench took $elapsed s."
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
