# shellcheck shell=bash
# The Wine benchmarks' setup: the end-to-end harness in a prefix of their own.
export KIVO_E2E_PREFIX=${KIVO_BENCH_PREFIX:-${WINEPREFIX:-/tmp/kivo}-bench}
# shellcheck source=../e2e/lib.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../e2e/lib.sh"
trivial_exe=$KIVO_BUILD_WIN64/tools/windows/trivial_window/trivial_window.exe

# The prefix with the demo CD, torn down on exit; the bare window and each EXE in C:\kivo-e2e.
bench_setup() {
  local built
  for built in "$trivial_exe" "$@"; do
    [[ -f $built ]] || { echo "build $built first" >&2; exit 1; }
  done
  trap e2e_teardown_suite EXIT
  e2e_setup_suite || exit 1
  cp "$trivial_exe" "$@" "$KIVO_TEST_TOOLS/"
}
