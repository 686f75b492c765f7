#!/usr/bin/env bash
# Runs the CD's own i686 build under a 32-bit Wine (scripts/wine32.sh) with
# the end-to-end harness, and prints "N passed, M failed" as its last line, or
# "0 passed, 0 failed, 1 skipped" where the machine cannot run 32-bit code.
#   tests/e2e/i686/run.sh [SCENARIO.sh ...]     (default: every scenario here)
# The prefix is a 64-bit one; only the program is a 32-bit process (README.md).
set -u
I686_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(cd "$I686_DIR/../../.." && pwd)
# shellcheck source=../../../scripts/wine32.sh
source "$REPO/scripts/wine32.sh"

scenarios=("$@")
((${#scenarios[@]})) || scenarios=("$I686_DIR"/[0-9]*.sh)

skip() {
  echo "SKIP i686: $*"
  echo "0 passed, 0 failed, ${#scenarios[@]} skipped"
  exit 0
}

reason=$(wine32_unsupported_reason)
[[ -z $reason ]] || skip "$reason"

# One run at a time per machine: the binfmt entry and the cached root are shared.
exec 8>>/tmp/kivo68i-wine32.lock
flock 8

started=$SECONDS
WINE32_ROOT=$(wine32_root) || skip "the 32-bit Wine could not be prepared"
echo "wine32: root $WINE32_ROOT ready after $((SECONDS - started)) s"

: "${KIVO_BUILD_WIN32:=$REPO/build-win32}"
export KIVO_PROGRAM_EXE=$KIVO_BUILD_WIN32/kivo68i.exe
export KIVO_E2E_PREFIX=${WINEPREFIX:-/tmp/kivo}-i686
# qemu looks up every path in the root first; the 32-bit loader, started by
# itself (the 64-bit one would run the program in a mode that draws no text),
# serves itself from the machine's 64-bit wineserver.
export QEMU_LD_PREFIX=$WINE32_ROOT KIVO_PROGRAM_LOADER=$WINE32_ROOT/usr/lib/wine/wine
# A smaller guest address space makes the loader's start far shorter (README.md).
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x90000000}
export WINESERVER=/usr/lib/wine/wineserver64
# shellcheck source=../lib.sh
source "$REPO/tests/e2e/lib.sh"

trap 'e2e_teardown_suite; wine32_binfmt_off' EXIT
wine32_binfmt_on || skip "binfmt_misc refuses the i386 entry"

# Only while the prefix is made does the 64-bit Wine see the root's 32-bit
# DLLs: it fills syswow64 and registers the 32-bit classes itself. The 32-bit
# side sees the root's fonts rather than the machine's.
i686_make_prefix() {
  local started=$SECONDS
  WINEDLLPATH=$WINE32_ROOT/usr/lib/i386-linux-gnu/wine e2e_make_prefix "$@" || return 1
  cp /usr/share/fonts/opentype/ipafont-gothic/ipag*.ttf "$KIVO_E2E_PREFIX/drive_c/windows/Fonts/" ||
    echo "i686: no IPA fonts to copy; Japanese texts will not show"
  echo "i686: prefix $KIVO_E2E_PREFIX made in $((SECONDS - started)) s"
}
KIVO_E2E_MAKE_PREFIX=i686_make_prefix e2e_suite "i686 " "${KIVO_E2E_SCENARIO_TIMEOUT:-1200}" "${scenarios[@]}"
