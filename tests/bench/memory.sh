#!/usr/bin/env bash
# Memory benchmark (not a test): the working set of kivo68i.exe from the demo
# CD against a bare Win32 window built the same way, both idle with their
# window shown, read from each process's own counters in one run; prints both
# and the difference, then the difference to the bare window with the
# program's manifest and a Japanese line. Needs build-host and build-win64.
#   tests/bench/memory.sh [RUNS]
set -u
runs=${1:-3}
export KIVO_E2E_PREFIX=${KIVO_BENCH_PREFIX:-${WINEPREFIX:-/tmp/kivo}-bench}
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../e2e/lib.sh"
trivial_exe=$KIVO_BUILD_WIN64/tools/windows/trivial_window/trivial_window.exe
bench_exe=$KIVO_BUILD_WIN64/tests/bench/memory/memory_bench.exe
themed_exe=$KIVO_BUILD_WIN64/tests/bench/memory/themed_window.exe
for built in "$trivial_exe" "$bench_exe" "$themed_exe"; do
  [[ -f $built ]] || { echo "build $built first" >&2; exit 1; }
done

trap e2e_teardown_suite EXIT
e2e_setup_suite || exit 1
cp "$trivial_exe" "$themed_exe" "$KIVO_TEST_TOOLS/"
wine "$bench_exe" 'Q:\kivo68i.exe' 'Q:\' 'C:\kivo-e2e\trivial_window.exe' 'C:\kivo-e2e' "$runs" \
  'C:\kivo-e2e\themed_window.exe' 'C:\kivo-e2e'
