#!/usr/bin/env bash
# Builds the program, writes the demo CD and starts the program from it under
# Wine: on your display when $DISPLAY works; otherwise one scripted session
# under Xvfb, in a prefix of its own, that does what a user comes for (the
# emulator with its desktop shortcut, the game on a second drive, the FM music
# versions in and back out) and keeps a screenshot of each step.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO" || exit 1

install_missing_packages && make_japanese_locale || exit 1
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
rm -rf "$KIVO_SCREENSHOTS"
e2e_setup_suite || exit 1
KIVO_SCENARIO=demo
# The second drive the game goes to: a folder of the repository, shown as D:.
second_drive=$REPO/out/demo-drive-d
rm -rf "$second_drive"
mkdir -p "$second_drive"
# Presses a button of the bonus window and waits until the operation has
# left the marker MARKER; the press is made once more when neither the copy
# window nor the marker showed within 10 s.
press_bonus() {
  local button=$1 marker=$2 ini tries polls
  ini=$(music_edition_dir)/mp3/kivomus.ini
  for tries in 1 2; do
    drv idle winsasi1
    drv click "winsasi1.$button"
    for ((polls = 0; polls < 20; ++polls)); do
      if grep -q "^KIVOMUS=$marker" "$ini" 2>/dev/null ||
        wine "$KIVO_DRIVER_EXE" --timeout 0 wait-window winsasi3 >/dev/null 2>&1; then
        drv --timeout 120 wait-gone winsasi3
        drv --timeout 120 idle winsasi1
        return 0
      fi
      sleep 0.5
    done
    e2e_note "no effect yet; pressing winsasi1.$button again"
  done
  scenario_fail "winsasi1.$button had no effect"
}
# The same with a screenshot NAME of the copy window while it is up (large
# movies keep it up long enough), or, named without "being", of the bonus
# window after it when the copy was over too soon.
press_bonus_with_shot() {
  local watcher
  (wine "$KIVO_DRIVER_EXE" --timeout 60 wait-window winsasi3 >/dev/null 2>&1 && shot "$3") &
  watcher=$!
  press_bonus "$1" "$2"
  wait "$watcher" || shot "${3/_being_/_}"
}
(
  map_drive d "$second_drive"
  forget_installations
  # The Windows edition the music bonus works on, with its Start-menu shortcut.
  music_install_edition 60000000
  start_main_window
  shot 1_main_window

  echo "== installing the emulator into C:\\Winx68k\\ with the desktop shortcut"
  drv click Form1.BtnWin68inst --until wait-window foldersel1
  drv expect-text foldersel1.Label2 'C:\Winx68k\'
  shot 2_emulator_destination
  drv click foldersel1.BtnOk --until msgbox 指定されたフォルダ
  drv msgbox-press 'はい(Y)' 指定されたフォルダ
  expect_finished_and_shortcut_question
  shot 3_emulator_installed
  drv msgbox-press 'はい(Y)' デスクトップ
  expect_emulator_installed 'C:\Winx68k\'
  expect_file_exists "$(desktop_link)"
  drv click progress1.Button1 --until wait-gone foldersel1
  drv expect-enabled Form1

  echo "== installing the game on the second drive, D:\\KIVO"
  drv click Form1.BtnKivoinst --until wait-window foldersel3
  drv expect-text foldersel3.Label2 'C:\KIVO'
  drv click foldersel3.Button1 --until wait-window foldersel4
  pick_drive foldersel4 D
  drv expect-text foldersel4.DriveComboBox1 'd:'
  drv click foldersel4.Button1 --until wait-gone foldersel4
  drv expect-text foldersel3.Label2 'd:\KIVO'
  shot 4_game_drive_chosen
  drv click foldersel3.Button2 --until msgbox 指定されたフォルダ
  drv msgbox-press 'はい(Y)' 指定されたフォルダ
  expect_game_finished
  shot 5_game_installed
  drv click progress2.Button1 --until wait-gone foldersel3
  drv expect-enabled Form1
  expect_game_installed 'D:\KIVO'
  expect_patched_image 'C:\Winx68k\kivokidou.d88' C

  echo "== the music bonus: the FM versions in, then the originals back"
  drv click Form1.BtnWinsasikae --until wait-window winsasi1
  shot 6_bonus_window
  press_bonus_with_shot Button1 1 7_fm_versions_being_installed
  drv expect-no-msgbox winsasi1
  music_expect_fm_in_use
  press_bonus_with_shot Button2 2 8_originals_being_restored
  drv expect-no-msgbox winsasi1
  music_expect_originals_in_use
  shot 9_bonus_done
  drv click winsasi1.Button3 --until wait-gone winsasi1
  drv click Form1.BtnSyuuryou --until wait-gone Form1
  expect_program_exit_code 0
)
status=$?
if ((status == 0)); then
  echo "the demo did the whole job"
else
  echo "the demo stopped early (see the FAILED-demo screenshot)"
fi
echo "results: emulator $KIVO_E2E_PREFIX/drive_c/Winx68k, shortcut on its desktop, game $second_drive/KIVO," \
  "music $(music_edition_dir); screenshots: $KIVO_SCREENSHOTS"
exit "$status"
