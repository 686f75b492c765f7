#!/usr/bin/env bash
# Reads the import tables of the given exes (default: both builds of
# kivo68i.exe) and fails on any DLL or function not in windows7_imports.txt
# beside this script. Prints each exe's DLLs with their function counts.
#   tests/imports/check.sh [EXE...]
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
allowed=$here/windows7_imports.txt
(($#)) || set -- "$repo/build-win64/kivo68i.exe" "$repo/build-win32/kivo68i.exe"

# "DLL function" for every import by name; "DLL #ordinal" for one by ordinal.
imports_of() {
  x86_64-w64-mingw32-objdump -p "$1" | awk '
    /^\tDLL Name: / { dll = toupper($3); next }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]/ { print dll, $3; next }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ *$/ { print dll, "#" $2; next }
    /^$/ { if (seen_entry) dll = ""; next }
    { seen_entry = (dll != "") }'
}

status=0
for exe in "$@"; do
  list=$(imports_of "$exe" | sort -u)
  if [[ -z $list ]]; then
    echo "FAIL: no imports read from $exe"
    status=1
    continue
  fi
  echo "$exe: $(wc -l <<<"$list") functions from $(awk '{ print $1 }' <<<"$list" | uniq -c |
    awk '{ printf "%s%s %d", sep, $2, $1; sep = ", " }')"
  unknown=$(grep -vxF -f <(grep -v '^#' "$allowed") <<<"$list")
  if [[ -n $unknown ]]; then
    echo "FAIL: $exe imports what Windows 7 may lack (not in $(basename "$allowed")):"
    sed 's/^/  /' <<<"$unknown"
    status=1
  fi
done
((status == 0)) && echo "imports: every DLL and function is one that Windows 7 has"
exit $status
