#!/bin/sh
# One Wine session for a whole test run: a private prefix, one Xvfb display and one
# wineserver that stays up between the test processes.
#
#   wine_session.sh start <session-dir> [--desktop-keeper <exe>] [--cmd-standin <exe>]
#                                       [--url-handler <exe>]
#   wine_session.sh stop  <session-dir>
#
# start ends any earlier session in <session-dir>, then writes <session-dir>/session.env,
# which in_wine.sh reads. The prefix has Wine's own fonts (tools/wine-fonts.sh).
# Drives: q: and r: are empty folders under <session-dir>/drives, m: points at a path
# that does not exist (a drive with no medium), l: is a folder whose volume label is
# KINGSTON.
# <session-dir>/fixtures/link_to_folder is a symbolic link to the folder beside it.
# --desktop-keeper: a windowless exe that holds the desktop for the whole session. Wine
#   closes the desktop a second after its last program ends; the next program then waits
#   up to 10 s for a new one, so without a keeper a test's first window may come late.
# --cmd-standin: copied over cmd.exe in the system folder of its own bitness (system32
#   for a 64-bit exe; syswow64 for a 32-bit one, where a 32-bit program's system32 paths
#   lead) and made the one that runs ("native" in
#   HKCU\Software\Wine\DllOverrides; a test that wants Wine's built-in cmd sets it to
#   "builtin" for its duration). Measured: WINEDLLOVERRIDES in the environment that one
#   Wine process hands another does not reach the loader; the registry does.
# --url-handler: becomes the http handler that ShellExecute "open" starts (HKLM; Wine
#   does not read the HKCU one).
set -eu
fonts_script=$(cd "$(dirname "$0")/../../tools" && pwd)/wine-fonts.sh

usage() {
  echo "usage: $0 start <session-dir> [--desktop-keeper <exe>] [--cmd-standin <exe>] [--url-handler <exe>]" >&2
  echo "       $0 stop <session-dir>" >&2
  exit 2
}

[ $# -ge 2 ] || usage
action=$1
mkdir -p "$2"
session_dir=$(realpath "$2")
shift 2

harness=$(dirname "$(realpath "$0")")
. "$harness/windows_exe.sh"

prefix=$session_dir/prefix
session_file=$session_dir/session.env
log=$session_dir/session.log

# A step's output goes to the log: CTest waits for every holder of its pipes, and the
# Wine processes that a step leaves running would hold them.
logged() {
  "$@" </dev/null >>"$log" 2>&1
}

# A start that fails part-way leaves nothing running.
fail() {
  echo "wine session: $1, see $log" >&2
  stop_session
  exit 1
}

# A Windows path for a Unix one: Wine maps / to Z:.
windows_path() {
  printf 'Z:%s' "$(realpath "$1")" | tr / '\\'
}

# Single quotes for a value that session.env keeps.
quoted() {
  printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"
}

# A string value of a .reg file: backslashes and quotes escaped.
reg_string() {
  printf '"%s"' "$(printf '%s' "$1" | sed 's/\\/\\\\/g; s/"/\\"/g')"
}

# Every Wine command of this script runs in the session.
use_session() {
  export WINEPREFIX="$prefix" DISPLAY="$display" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Processes still carrying this prefix in their environment: Wine processes that lost
# their server, or Unix programs they started.
leftover_pids() {
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" != $$ ] || continue
    # A process may end or deny access while it is read; it is then not ours to stop.
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$prefix"; then
      echo "$pid"
    fi
  done
}

wait_until_gone() {
  tries=50
  while [ $tries -gt 0 ] && kill -0 "$@" 2>/dev/null; do
    sleep 0.1
    tries=$((tries - 1))
  done
}

stop_session() {
  if [ -f "$session_file" ]; then
    # The values of the session that is ending, not of one that may start next.
    . "$session_file"
    display=$DISPLAY
    use_session
    if [ -d "$prefix" ]; then
      # A server that already ended makes -k fail; nothing is left to kill then.
      wineserver -k 2>/dev/null || true
    fi
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      kill "$XVFB_PID"
      wait_until_gone "$XVFB_PID"
    fi
    rm -f "$session_file"
  fi
  pids=$(leftover_pids)
  if [ -n "$pids" ]; then
    echo "stopping leftover processes: $pids" >&2
    # shellcheck disable=SC2086  # one argument per pid
    kill -9 $pids 2>/dev/null || true
  fi
  # The prefix is about 700 MB and the next start makes a fresh one.
  rm -rf "$prefix"
}

start_xvfb() {
  display_file=$session_dir/display
  : >"$display_file"
  # Its own session, so that the end of the start step does not take it along.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$display_file" </dev/null >>"$log" 2>&1 &
  xvfb_pid=$!
  tries=100
  while [ ! -s "$display_file" ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $tries -eq 0 ]; then
      kill "$xvfb_pid" 2>/dev/null || true
      fail "Xvfb did not start"
    fi
    sleep 0.1
    tries=$((tries - 1))
  done
  display=:$(tr -d '\n' <"$display_file")
}

# Before the prefix is made: Wine's mount manager reads the drive links once, when it
# starts, and GetLogicalDrives lists only the drives it knows.
map_drives() {
  mkdir -p "$session_dir/drives/q" "$session_dir/drives/r" "$session_dir/drives/l" "$prefix/dosdevices" \
    "$prefix/drive_c"
  ln -sfn "$session_dir/drives/q" "$prefix/dosdevices/q:"
  ln -sfn "$session_dir/drives/r" "$prefix/dosdevices/r:"
  # The mount manager reads a drive's label from this file when it starts, and only then.
  printf 'KINGSTON' >"$session_dir/drives/l/.windows-label"
  ln -sfn "$session_dir/drives/l" "$prefix/dosdevices/l:"
  ln -sfn "$session_dir/drives/no-medium" "$prefix/dosdevices/m:"
  # Wine makes drive_c, c: and z: only in a prefix without dosdevices.
  ln -sfn ../drive_c "$prefix/dosdevices/c:"
  ln -sfn / "$prefix/dosdevices/z:"
}

# Things on disk that tests look at: a Unix symbolic link to a folder, which Wine
# shows as a directory that is also a reparse point.
make_fixtures() {
  mkdir -p "$session_dir/fixtures/folder"
  ln -sfn folder "$session_dir/fixtures/link_to_folder"
}

# Registry settings, in one process since each Wine start costs more than a second.
# The display has no window manager, so Wine is told to manage the windows itself: it
# then draws their captions (which screenshots and clicks on the close box need), and
# it does not wait 2 s for a window manager to confirm each hidden window.
write_registry() {
  reg_file=$session_dir/session.reg
  {
    printf '%s\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"'
    if [ -n "$cmd_standin" ]; then
      printf '%s\n' '' '[HKEY_CURRENT_USER\Software\Wine\DllOverrides]' '"cmd.exe"="native"'
    fi
    if [ -n "$url_handler" ]; then
      printf '%s\n' '' '[HKEY_LOCAL_MACHINE\Software\Classes\http\shell\open\command]' \
        "@=$(reg_string "\"$(windows_path "$url_handler")\" \"%1\"")"
    fi
  } >"$reg_file"
  logged wine regedit /s "$(windows_path "$reg_file")" || fail "the registry settings failed"
}

start_desktop_keeper() {
  ready_file=$session_dir/desktop-ready
  # A plain command: a shell function run in the background would keep a saved copy of
  # the start step's output, and CTest waits for every holder of that pipe.
  setsid sh "$harness/in_wine.sh" "$session_dir" "$1" "$(windows_path "$session_dir")\\desktop-ready" \
    </dev/null >>"$log" 2>&1 &
  keeper_pid=$!
  tries=300
  while [ ! -e "$ready_file" ]; do
    if ! kill -0 "$keeper_pid" 2>/dev/null || [ $tries -eq 0 ]; then
      fail "the desktop keeper did not report"
    fi
    sleep 0.1
    tries=$((tries - 1))
  done
}

start_session() {
  desktop_keeper=
  cmd_standin=
  url_handler=
  while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case $1 in
      --desktop-keeper) desktop_keeper=$(realpath "$2") ;;
      --cmd-standin) cmd_standin=$(realpath "$2") ;;
      --url-handler) url_handler=$(realpath "$2") ;;
      *) usage ;;
    esac
    shift 2
  done

  stop_session
  rm -rf "$session_dir"
  mkdir -p "$prefix"
  : >"$log"

  start_xvfb
  use_session
  {
    printf 'WINEPREFIX=%s\n' "$(quoted "$prefix")"
    printf 'DISPLAY=%s\n' "$(quoted "$display")"
    printf 'XVFB_PID=%s\n' "$xvfb_pid"
  } >"$session_file"

  # The server forks into the background and stays until stop ends it.
  logged setsid wineserver -p || fail "wineserver did not start"
  map_drives
  make_fixtures
  # No menu entries and file associations in the user's home for this throwaway prefix.
  logged env WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" wineboot -i ||
    fail "wineboot failed"
  # Without them every face is a substitute, and pictures of texts compare it with itself.
  logged sh "$fonts_script" "$prefix" || fail "Wine's fonts were not copied"
  if [ -n "$cmd_standin" ]; then
    case $(exe_machine "$cmd_standin") in
      x86_64) system_folder=system32 ;;
      i686) system_folder=syswow64 ;;
      *) fail "the cmd stand-in is not an x86 or x86-64 exe" ;;
    esac
    # Only a prefix made with wine32 installed has a syswow64.
    [ -d "$prefix/drive_c/windows/$system_folder" ] || fail "the prefix has no $system_folder for the cmd stand-in"
    cp "$cmd_standin" "$prefix/drive_c/windows/$system_folder/cmd.exe" || fail "the cmd stand-in was not copied"
  fi
  write_registry
  if [ -n "$desktop_keeper" ]; then
    start_desktop_keeper "$desktop_keeper"
  fi
  echo "wine session up: DISPLAY=$display WINEPREFIX=$prefix"
}

case $action in
  start) start_session "$@" ;;
  stop) [ $# -eq 0 ] || usage; stop_session ;;
  *) usage ;;
esac
