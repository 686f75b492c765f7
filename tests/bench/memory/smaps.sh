#!/usr/bin/env bash
# Where the pages go (not a test): starts kivo68i.exe from the demo CD and the
# bare window in turn, waits until each is idle with its window shown, and
# sums the Rss of the Wine process's mappings from /proc/PID/smaps by what
# they map (each DLL, each font file, anonymous memory), side by side with the
# difference. Anonymous memory is Wine's heaps, the program's own heap and
# the stacks. Needs build-host and build-win64.
#   tests/bench/memory/smaps.sh [SECONDS_IDLE]
set -u
idle=${1:-6}
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../bench_lib.sh"
bench_setup
out=$KIVO_STATE/smaps
mkdir -p "$out"

# Rss in kB per mapping name of the Wine process running the exe named by
# pattern $1 in this prefix (other Wine prefixes on the machine may run the
# same exe; none matching leaves pid empty).
rss_by_mapping() {
  local pid
  for pid in $(pgrep -f "^[A-Za-z]:.*$1") ""; do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && break
  done
  [[ -n $pid ]] || { echo "no process for $1" >&2; return 1; }
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / { name = ($6 == "") ? "[anonymous]" : $6; for (i = 7; i <= NF; ++i) name = name " " $i; next }
    /^Rss:/ { rss[name] += $2 }
    END { for (n in rss) if (rss[n] > 0) printf "%d\t%s\n", rss[n], n }' "/proc/$pid/smaps" | sort -k2
}

measure() {
  local exe=$1 pattern=$2 file=$3
  start_program "$exe"
  sleep "$idle"
  rss_by_mapping "$pattern" >"$file"
  stop_program
}

measure 'Q:\kivo68i.exe' 'kivo68i\.exe' "$out/kivo.txt"
measure 'C:\kivo-e2e\trivial_window.exe' 'trivial_window\.exe' "$out/trivial.txt"
# name, kivo, trivial, difference (kB), largest differences first.
join -t $'\t' -1 2 -2 2 -a 1 -a 2 -e 0 -o 0,1.1,2.1 \
  <(sort -t $'\t' -k2 "$out/kivo.txt") <(sort -t $'\t' -k2 "$out/trivial.txt") |
  awk -F '\t' '{ printf "%7d %7d %7d  %s\n", $2, $3, $2 - $3, $1; k += $2; t += $3 }
    END { printf "%7d %7d %7d  total (kB: kivo68i.exe, trivial window, difference)\n", k, t, k - t }' |
  sort -k3 -n -r
