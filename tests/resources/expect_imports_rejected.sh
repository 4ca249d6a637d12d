#!/bin/sh
# Checks the import check itself: on an exe that imports the given DLLs it must fail and name each.
#
#   expect_imports_rejected.sh <check-script> <objdump> <exe> <dll>...
set -u

if [ $# -lt 4 ]; then
  echo "usage: $0 <check-script> <objdump> <exe> <dll>..." >&2
  exit 2
fi
check=$1
objdump=$2
exe=$3
shift 3

output=$(sh "$check" "$objdump" "$exe")
status=$?
printf '%s\n' "$output"
if [ $status -eq 0 ]; then
  echo "the import check passed an exe that imports: $*"
  exit 1
fi
for dll in "$@"; do
  if ! printf '%s\n' "$output" | grep -qixF "not a known DLL: $dll"; then
    echo "the import check did not reject $dll"
    exit 1
  fi
done
echo "rejected as expected: $*"
