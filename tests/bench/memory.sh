#!/usr/bin/env bash
# Memory benchmark (not a test): the working set of kivo68i.exe from the demo
# CD against a bare Win32 window built the same way, both idle with their
# window shown, read from each process's own counters in one run; prints both
# and the difference, then the difference to the bare window with the
# program's manifest and a Japanese line. Needs build-host and build-win64.
#   tests/bench/memory.sh [RUNS]
set -u
runs=${1:-3}
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/bench_lib.sh"
bench_setup "$KIVO_BUILD_WIN64/tests/bench/memory/memory_bench.exe" \
  "$KIVO_BUILD_WIN64/tests/bench/memory/themed_window.exe"
wine 'C:\kivo-e2e\memory_bench.exe' "$runs" 'Q:\kivo68i.exe' 'Q:\' 'C:\kivo-e2e\trivial_window.exe' 'C:\kivo-e2e' \
  'C:\kivo-e2e\themed_window.exe' 'C:\kivo-e2e'
