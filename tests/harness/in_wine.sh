#!/bin/sh
# Runs a Windows program in the session that wine_session.sh started and returns its
# exit code. CTest uses it as the emulator of every test exe.
#
#   in_wine.sh <session-dir> <exe> [args...]
set -eu
. "$(dirname "$(realpath "$0")")/exe_machine.sh"

if [ $# -lt 2 ]; then
  echo "usage: $0 <session-dir> <exe> [args...]" >&2
  exit 2
fi
session_file=$1/session.env
shift
if [ ! -f "$session_file" ]; then
  echo "no wine session in $(dirname "$session_file"): run wine_session.sh start first" >&2
  exit 2
fi
. "$session_file"
export WINEPREFIX DISPLAY
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# With wine32 installed, Debian's wine starts every exe in the 32-bit loader, which hands
# a 64-bit one on through start.exe: about 0.4 s later, and now and then not at all
# ("ShellExecuteEx failed: Internal error"). A 64-bit exe goes to the 64-bit loader.
case $(exe_machine "$1" 2>/dev/null) in
  x86_64) exec "$(command -v wine64 || echo /usr/lib/wine/wine64)" "$@" ;;
  *) exec wine "$@" ;;
esac
