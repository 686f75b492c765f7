# shellcheck shell=bash
# Helpers for the emulator installation scenarios. Source after lib.sh.

KIVO_INSTALL_CHECK_EXE=$KIVO_BUILD_WIN64/tools/windows/install_check/install_check.exe

# The emulator's eight files: CD path (below the CD's top folder) and installed name.
EMULATOR_FILES=(
  'tools\winx68k\WinX68kHighSpeed.exe:WinX68kHighSpeed.exe'
  'tools\winx68k\WinX68kHighSpeed.txt:WinX68kHighSpeed.txt'
  'tools\emu\kivokidou.d88:kivokidou.d88'
  'tools\windrv\CONFIG.SYS:CONFIG.SYS'
  'tools\windrv\FD1.XDF:FD1.XDF'
  'tools\windrv\WINDRV.O:WINDRV.O'
  'tools\windrv\WINDRV.S:WINDRV.S'
  'tools\windrv\WINDRV.SYS:WINDRV.SYS'
)

# One answer of install_check, without the carriage return.
check_get() {
  local answer
  answer=$(wine "$KIVO_INSTALL_CHECK_EXE" "$@" 2>/dev/null) || scenario_fail "install_check $* could not read"
  printf '%s\n' "${answer%$'\r'}"
}

expect_check() {
  local wanted=$1 got
  shift
  got=$(check_get "$@")
  [[ $got == "$wanted" ]] || scenario_fail "install_check $*: got '$got', expected '$wanted'"
  e2e_note "ok: install_check $*: $got"
}

# Every installed file equals the CD's, has no read-only attribute, and sits
# directly in FOLDER (a Windows path as typed, with or without a backslash).
expect_emulator_installed() {
  local folder=${1%\\} pair source name
  for pair in "${EMULATOR_FILES[@]}"; do
    source=${pair%%:*}
    name=${pair#*:}
    expect_file_equals "$source" "$folder\\$name"
    expect_writable "$folder\\$name"
    expect_check "0x0020" attrs "$folder\\$name"
  done
  local subfolders
  subfolders=$(find "$(unix_path "$folder")" -mindepth 1 -type d | wc -l)
  [[ $subfolders == 0 ]] || scenario_fail "$folder has $subfolders subfolders"
  e2e_note "ok: $folder holds the eight files and no subfolder"
}

expect_record() {
  expect_check "$1" ini kivo68i.ini INST FOLDER
  expect_check "$2" ini kivo68i.ini INST DRIVE
  expect_check "1" ini kivo68i.ini INST TESTNUM
}

expect_no_record() {
  expect_check "(missing)" ini kivo68i.ini INST TESTNUM
}

# A fresh prefix links the desktop to the Linux home folder, which every prefix
# on the machine shares; the scenarios give this prefix a desktop of its own.
use_own_desktop() {
  local desktop=$KIVO_E2E_PREFIX/drive_c/users/$(id -un)/Desktop
  if [[ -L $desktop ]]; then
    rm -f "$desktop"
    mkdir -p "$desktop"
  fi
  rm -f "$desktop/winx68k.lnk"
}

desktop_link() { printf '%s\n' "C:\\users\\$(id -un)\\Desktop\\winx68k.lnk"; }

# foldersel1 opened from the main window, showing the default folder.
open_emulator_destination() {
  drv wait-window Form1
  drv click Form1.BtnWin68inst
  drv wait-window foldersel1
  drv expect-text foldersel1.Label2 'C:\Winx68k\'
}

# The progress window as the run leaves it when finished and asking for the shortcut.
expect_finished_and_shortcut_question() {
  drv expect-msgbox 確認 "デスクトップにショートカットを作成しますか？" "はい(&Y)" "いいえ(&N)"
  drv expect-text progress1.Label1 "インストールが終了しました。"
  drv expect-text progress1.Label2 "ROMファイル類は手動で追加して下さい。"
  drv expect-text progress1.Label3 "詳細はこのインストーラのマニュアルをご覧下さい。"
  drv expect-text progress1.Button1 OK
  expect_check "8/8" progress progress1 ProgressBar1
}

close_finished_progress() {
  drv click progress1.Button1
  drv wait-gone progress1
  drv wait-gone foldersel1
  drv expect-no-msgbox Form1
  drv expect-enabled Form1
}

# Opens foldersel2 from foldersel1. When the folder shown does not exist yet,
# the folder list reports it (before the dialog shows); that box is answered.
browse_from_destination() {
  local missing=${1:-}
  drv click foldersel1.BtnSansyou
  if [[ -n $missing ]]; then
    drv msgbox "$missing"
    drv msgbox-press OK "$missing"
  fi
  drv wait-window foldersel2
}
