# shellcheck shell=bash
# Helpers for the emulator installation scenarios (lib.sh sources this).

KIVO_INSTALL_CHECK_EXE=$KIVO_BUILD_WIN64/tools/windows/install_check/install_check.exe

# The emulator's eight files on the CD (below its top folder); each is installed by its own name.
EMULATOR_FILES=('tools\winx68k\WinX68kHighSpeed.exe' 'tools\winx68k\WinX68kHighSpeed.txt'
  'tools\emu\kivokidou.d88' 'tools\windrv\CONFIG.SYS' 'tools\windrv\FD1.XDF' 'tools\windrv\WINDRV.O'
  'tools\windrv\WINDRV.S' 'tools\windrv\WINDRV.SYS')

# An answer of install_check (what Windows reads back) must be WANTED.
expect_check() {  # WANTED COMMAND ARGS...
  local got
  # Once more when Wine did not run it through, as drv does.
  got=$(wine "$KIVO_INSTALL_CHECK_EXE" "${@:2}" 2>/dev/null) || got=$(wine "$KIVO_INSTALL_CHECK_EXE" "${@:2}" 2>/dev/null) ||
    scenario_fail "install_check ${*:2} could not read"
  expect_that "install_check ${*:2}: '${got%$'\r'}' (expected '$1')" "${got%$'\r'}" == "$1"
}

# Every installed file equals the CD's, has no read-only attribute, and sits
# directly in FOLDER (a Windows path as typed, with or without a backslash).
expect_emulator_installed() {
  local folder=${1%\\} file
  for file in "${EMULATOR_FILES[@]}"; do
    expect_file_equals "$file" "$folder\\${file##*\\}"
    expect_writable "$folder\\${file##*\\}"
    expect_check "0x0020" attrs "$folder\\${file##*\\}"
  done
  expect_that "$folder holds no subfolder" -z "$(find "$(unix_path "$folder")" -mindepth 1 -type d)"
}

expect_record() {
  expect_check "$1" ini kivo68i.ini INST FOLDER
  expect_check "$2" ini kivo68i.ini INST DRIVE
  expect_check "1" ini kivo68i.ini INST TESTNUM
}

desktop_link() { printf '%s\n' "C:\\users\\$(id -un)\\Desktop\\winx68k.lnk"; }

# The desktop shortcut to the emulator in FOLDER (ending in a backslash), as
# Windows reads it and as a reader of the file format outside Windows does
# (its ANSI copy of the path in code page 932).
expect_desktop_link() {
  expect_check "target=$1WinX68kHighSpeed.exe|folder=$1\\|icon=$1\\WinX68kHighSpeed.exe,0" lnk "$(desktop_link)"
  local text wanted
  text=$(lnkinfo -c windows-932 "$(unix_path "$(desktop_link)")" 2>&1) || scenario_fail "lnkinfo cannot read the shortcut: $text"
  for wanted in "$1WinX68kHighSpeed.exe" "Working directory[[:space:]]*: ${1%\\}"; do
    grep -qE "${wanted//\\/\\\\}" <<<"$text" || scenario_fail "lnkinfo does not show $wanted: $text"
  done
}

# foldersel1 opened, showing the default folder; with FOLDER SHORTCUT, install_emulator then.
open_emulator_destination() {  # [FOLDER SHORTCUT]
  opens foldersel1 click Form1.BtnWin68inst
  drv expect-text foldersel1.Label2 'C:\Winx68k\'
  (($# == 0)) || install_emulator "$@"
}

# The finished run asking for the shortcut; with ANSWER, the question is answered.
expect_finished_and_shortcut_question() {
  drv --timeout 60 expect-msgbox 確認 "デスクトップにショートカットを作成しますか？" "はい(&Y)" "いいえ(&N)"
  drv expect-text progress1.Label1 "インストールが終了しました。"
  drv expect-text progress1.Label2 "ROMファイル類は手動で追加して下さい。"
  drv expect-text progress1.Label3 "詳細はこのインストーラのマニュアルをご覧下さい。"
  drv expect-text progress1.Button1 OK
  expect_check "8/8" progress progress1 ProgressBar1
  [[ -z ${1:-} ]] || drv msgbox-press "$1" デスクトップ
}

# OK in foldersel1; when FOLDER is "missing", the opening texts under the folder
# question, answered yes; then the shortcut question answered SHORTCUT.
install_emulator() {  # FOLDER SHORTCUT
  drv click foldersel1.BtnOk
  if [[ $1 == missing ]]; then
    drv msgbox 指定されたフォルダは存在しません
    drv expect-text progress1.Label1 "ファイルをコピー中です。しばらくお待ち下さい。"
    drv expect-text progress1.Label2 " "
    drv expect-text progress1.Button1 キャンセル
    answer_folder_question 'はい(&Y)'
  fi
  expect_finished_and_shortcut_question "$2"
}

# Opens foldersel2 from foldersel1, after the message about the MISSING folder shown.
browse_from_destination() {
  drv click foldersel1.BtnSansyou
  [[ -z ${1:-} ]] || answer_msgbox OK kivo68i "フォルダ $1 が見つかりません。"
  drv wait-window foldersel2
}

# From a fresh foldersel1, the browser (over the missing default folder) given
# PATH by VERB (type, set-text) and closed by WAY (Enter, OK); foldersel1 shows it.
hand_over_folder() {  # VERB WAY PATH
  open_emulator_destination
  browse_from_destination 'C:\Winx68k'
  drv "$1" foldersel2.Edit1 "$3"
  if [[ $2 == Enter ]]; then drv key Enter; else drv click foldersel2.Button1; fi
  drv wait-gone foldersel2
  drv expect-text foldersel1.Label2 "$3"
}
