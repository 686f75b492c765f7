#!/usr/bin/env bash
# Builds the program, writes the demo CD and starts the program from it under
# Wine: on your display when $DISPLAY works, otherwise one scripted session
# under Xvfb that clicks through the main window and keeps screenshots.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO" || exit 1

install_missing_packages || exit 1
echo "== build host" && configure_and_build build-host || exit 1
echo "== build win64" &&
  configure_and_build build-win64 -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/toolchain-x86_64-w64-mingw32.cmake" || exit 1

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  # A prefix of its own, kept between runs; the CD is written afresh each time.
  export KIVO_E2E_PREFIX=$REPO/out/demo-prefix
  source "$REPO/tests/e2e/lib.sh"
  if [[ ! -f $KIVO_E2E_PREFIX/system.reg || ! -e $KIVO_E2E_PREFIX/dosdevices/q: ]]; then
    echo "== making the Wine prefix $KIVO_E2E_PREFIX (once)"
    e2e_make_prefix demo || exit 1
  fi
  e2e_make_cd || exit 1
  echo "== the demo CD is drive Q: ($KIVO_CD); starting Q:\\kivo68i.exe on $DISPLAY"
  cd "$KIVO_CD" && wine 'Q:\kivo68i.exe'
  status=$?
  wineserver -k 2>/dev/null
  echo "the program ended with exit code $status"
  exit "$status"
fi

echo "== no usable display: one scripted session under Xvfb"
export KIVO_E2E_PREFIX=$REPO/out/demo-prefix-xvfb KIVO_SCREENSHOTS=$REPO/out/screenshots/demo
source "$REPO/tests/e2e/lib.sh"
trap e2e_teardown_suite EXIT
e2e_setup_suite || exit 1
KIVO_SCENARIO=demo
(
  start_program
  drv wait-window Form1
  shot 1_main_window
  drv click Form1.BtnManual
  e2e_note "the shell was asked to open: $(wait_opened_document)"
  drv click Form1.BtnWin68inst
  drv wait-window foldersel1
  shot 2_emulator_destination
  drv close foldersel1
  drv wait-gone foldersel1
  drv click Form1.BtnKivoinst
  drv wait-window foldersel3
  shot 3_game_destination
  drv close foldersel3
  drv wait-gone foldersel3
  drv click Form1.BtnWinsasikae
  drv wait-window winsasi1
  shot 4_bonus_window
  drv close winsasi1
  drv click Form1.BtnSyuuryou
  expect_program_exit_code 0
)
status=$?
echo "screenshots: $KIVO_SCREENSHOTS"
exit "$status"
