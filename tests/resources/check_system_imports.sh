#!/bin/sh
# Fails when the executable imports a DLL that is not one of the KnownDLLs of Windows 10 and 11.
# The program runs from the very stick it cleans, and Windows loads any other DLL that an exe
# imports from the exe's own folder first: the compiler's runtime DLLs (libstdc++-6,
# libgcc_s_seh-1, libwinpthread-1) and system DLLs such as mpr or comctl32 alike.
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
    advapi32.dll | combase.dll | comdlg32.dll | gdi32.dll | gdiplus.dll | imagehlp.dll | imm32.dll | \
      kernel32.dll | msctf.dll | msvcrt.dll | normaliz.dll | nsi.dll | ole32.dll | oleaut32.dll | \
      psapi.dll | rpcrt4.dll | sechost.dll | setupapi.dll | shcore.dll | shell32.dll | shlwapi.dll | \
      user32.dll | wldap32.dll | ws2_32.dll)
      echo "known DLL: $dll"
      ;;
    *)
      echo "not a known DLL: $dll"
      status=1
      ;;
  esac
done
exit $status
