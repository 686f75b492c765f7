#!/usr/bin/env bash
# Runs the Windows platform tests under Wine, in a prefix of their own made as
# the end-to-end harness makes its own (a virtual desktop, the Japanese fonts).
# Usage: tests/platform/run.sh <build dir with kivo_platform_tests.exe> [gtest options]
# Builds nothing. WINEPREFIX is taken from the environment when set; the
# display is the harness's (KIVO_E2E_DISPLAY, or an Xvfb of its own).
# Wine runs in the harness's Japanese locale: code page 932, as users' Windows.
set -u
build_dir=${1:?usage: run.sh <build dir> [gtest options]}
shift
exe=$build_dir/kivo_platform_tests.exe
[[ -f $exe ]] || { echo "no $exe: build the Windows tree first" >&2; exit 2; }

export KIVO_E2E_PREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/kivo-platform-tests-prefix}
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
mkdir -p "$KIVO_STATE"
trap e2e_teardown_suite EXIT
e2e_start_display && e2e_make_prefix || exit 1
wine "$exe" "$@"
