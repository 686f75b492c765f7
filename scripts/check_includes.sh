#!/usr/bin/env bash
# Checks that every #include "x/..." under src/ points at the same layer or
# one below it, and that portable files (outside ui/, win32/ and forms/)
# include nothing that needs windows.h. Prints the graph the includes draw and
# ends with "N passed, M failed" (one check). The build enforces the same
# table through its libraries; this names the offending line.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/../src" || exit 1

# What each folder may include besides itself ("data" is file_tables.h).
declare -A allowed=(
  [platform]=""
  [core]="platform"
  [choosers]="core platform"
  [emulator]="core platform data"
  [music]="core platform data"
  [game]="emulator choosers core platform data"
  [app]="game music emulator choosers core platform data"
)
order=(platform core choosers emulator music game app)

problems=0
declare -A edges=()
while IFS= read -r line; do
  file=${line%%:*}
  file=${file#./}
  text=${line#*:}
  from=${file%%/*}
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
  case $target in
    file_tables.h) to=data ;;
    */*) to=${target%%/*} ;;
    *) continue ;;
  esac
  [[ -v allowed[$to] || $to == data ]] || continue
  if [[ $to != "$from" ]]; then
    edges[$from]+=" $to"
    if [[ " ${allowed[$from]:-} " != *" $to "* ]]; then
      echo "upward: $file includes \"$target\""
      ((++problems))
    fi
  fi
  if [[ ! $file =~ /(ui|win32|forms)/ && $target =~ (^|/)(ui|win32|forms)/ ]]; then
    echo "portable file needs windows.h: $file includes \"$target\""
    ((++problems))
  fi
done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' .)

echo "layers and what their includes reach:"
for layer in "${order[@]}"; do
  reached=$(tr ' ' '\n' <<<"${edges[$layer]:-}" | sed '/^$/d' | sort -u | tr '\n' ' ')
  printf '  %-9s -> %s\n' "$layer" "${reached:-(nothing)}"
done

if ((problems == 0)); then
  echo "1 passed, 0 failed"
else
  echo "$problems include(s) against the layers"
  echo "0 passed, 1 failed"
  exit 1
fi
