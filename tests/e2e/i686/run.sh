#!/usr/bin/env bash
# Runs the CD's own i686 build under a 32-bit Wine (scripts/wine32.sh) with
# the end-to-end harness, and prints "N passed, M failed" as its last line, or
# "0 passed, 0 failed, 1 skipped" where the machine cannot run 32-bit code.
#   tests/e2e/i686/run.sh [SCENARIO.sh ...]     (default: every scenario here)
#
# The prefix is a 64-bit one, as on the 64-bit Windows most users have: its
# services and the test tools (kivodrv, install_check) run natively, and only
# the program runs as a 32-bit process, translated by qemu.
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
export KIVO_E2E_SCENARIO_TIMEOUT=${KIVO_E2E_SCENARIO_TIMEOUT:-1200}
# qemu looks up every path in the root first. The 32-bit loader serves
# itself from the machine's 64-bit wineserver.
export QEMU_LD_PREFIX=$WINE32_ROOT
# Most of a 32-bit start under qemu goes to the loader reserving every free
# range above 2 GB, which qemu emulates page by page: with qemu's default
# 4 GB a start took 42 s of processor time, with 2.25 GB 11 s. The program
# lives below 2 GB; Wine's own libraries fit in the rest.
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x90000000}
export WINESERVER=/usr/lib/wine/wineserver64
E2E_DIR=$REPO/tests/e2e
# shellcheck source=../lib.sh
source "$E2E_DIR/lib.sh"

finish() {
  e2e_teardown_suite
  wine32_binfmt_off
}
trap finish EXIT
wine32_binfmt_on || skip "binfmt_misc refuses the i386 entry"

# While the prefix is made, the 64-bit Wine finds the root's 32-bit DLLs
# (WINEDLLPATH): it fills syswow64 and registers the 32-bit classes itself
# in seconds. Afterwards it must not see them: with them it would run the
# program in its own experimental mode instead of starting the 32-bit loader.
started=$SECONDS
if ! WINEDLLPATH=$WINE32_ROOT/usr/lib/i386-linux-gnu/wine e2e_setup_suite; then
  echo "0 passed, ${#scenarios[@]} failed"
  exit 1
fi
# The 32-bit side sees the root's fonts rather than the machine's: the
# Japanese font goes into the prefix (the harness maps the names to it).
cp /usr/share/fonts/opentype/ipafont-gothic/ipag*.ttf "$KIVO_E2E_PREFIX/drive_c/windows/Fonts/" ||
  echo "i686: no IPA fonts to copy; Japanese texts will not show"
echo "i686: prefix $KIVO_E2E_PREFIX made in $((SECONDS - started)) s"

passed=0
failed=0
for scenario in "${scenarios[@]}"; do
  name=$(basename "$scenario" .sh)
  echo "=== i686 $name"
  started=$SECONDS
  if KIVO_SCENARIO=i686-$name timeout --kill-after=10 "$KIVO_E2E_SCENARIO_TIMEOUT" \
    bash -c 'source "$1" && source "$2"' _ "$E2E_DIR/lib.sh" "$scenario"; then
    echo "--- PASS i686 $name ($((SECONDS - started)) s)"
    ((++passed))
  else
    echo "--- FAIL i686 $name ($((SECONDS - started)) s)"
    ((++failed))
  fi
  stop_program
done
echo "screenshots: $KIVO_SCREENSHOTS"
echo "i686: $SECONDS s in all"
echo "$passed passed, $failed failed"
((failed == 0))
