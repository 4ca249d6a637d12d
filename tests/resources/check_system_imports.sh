#!/bin/sh
# Fails when the executable imports a DLL that is not part of Windows, such as the compiler's runtime
# DLLs (libstdc++-6, libgcc_s_seh-1, libwinpthread-1), which a user's machine does not have.
#
#   check_system_imports.sh <objdump> <exe>
set -eu

if [ $# -ne 2 ]; then
  echo "usage: $0 <objdump> <exe>" >&2
  exit 2
fi
objdump=$1
exe=$2

dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
if [ -z "$dlls" ]; then
  echo "no imported DLLs found in $exe" >&2
  exit 1
fi

status=0
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]') in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | advapi32.dll | \
      ole32.dll | oleaut32.dll | shlwapi.dll | comdlg32.dll | version.dll | uxtheme.dll | \
      mpr.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll)
      echo "system DLL: $dll"
      ;;
    *)
      echo "not a system DLL: $dll"
      status=1
      ;;
  esac
done
exit $status
