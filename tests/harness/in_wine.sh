#!/bin/sh
# Runs a Windows program in the session that wine_session.sh started and returns its
# exit code. CTest uses it as the emulator of every test exe.
#
#   in_wine.sh <session-dir> <exe> [args...]
set -eu
. "$(dirname "$(realpath "$0")")/windows_exe.sh"

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
exec "$(wine_loader "$1")" "$@"
