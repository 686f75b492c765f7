#!/usr/bin/env bash
# Start-up benchmark (not a test): 10 runs each of kivo68i.exe from the demo CD
# and of a bare Win32 window built the same way, timed by the driver from
# process creation to the main window shown. Prints both medians, their ratio
# and both exe sizes. Needs build-host and build-win64.
#   tests/bench/startup.sh [RUNS]
set -u
runs=${1:-10}
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/bench_lib.sh"
bench_setup

# Milliseconds from process creation to WINDOW shown, for one run.
time_one() {
  local answer
  answer=$(wine "$KIVO_DRIVER_EXE" launch-timed "$@") || { echo "run failed: $answer" >&2; return 1; }
  answer=${answer#ok: }
  echo "${answer% ms}"
}

median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

program=('Q:\kivo68i.exe' Form1 'Q:\')
trivial=('C:\kivo-e2e\trivial_window.exe' TrivialForm 'C:\kivo-e2e')
# One unmeasured start of each warms Wine's caches equally; then the two
# alternate, so a change in the machine's load falls on both alike.
time_one "${program[@]}" >/dev/null && time_one "${trivial[@]}" >/dev/null || exit 1
program_ms=() trivial_ms=()
for ((i = 0; i < runs; i++)); do
  program_ms+=("$(time_one "${program[@]}")") && trivial_ms+=("$(time_one "${trivial[@]}")") || exit 1
done
program_median=$(median "${program_ms[@]}")
trivial_median=$(median "${trivial_ms[@]}")

echo "kivo68i.exe runs (ms):    ${program_ms[*]}"
echo "trivial window runs (ms): ${trivial_ms[*]}"
echo "median start-up to window shown: kivo68i.exe ${program_median} ms, trivial window ${trivial_median} ms"
awk -v p="$program_median" -v t="$trivial_median" 'BEGIN { printf "ratio kivo68i / trivial: %.2f\n", p / t }'
echo "exe sizes: kivo68i.exe $(stat -c %s "$KIVO_PROGRAM_EXE") bytes, trivial_window.exe $(stat -c %s "$trivial_exe") bytes"
