# shellcheck shell=bash
# Helpers for the game installation scenarios (lib.sh sources this).

GAME_IMAGE_CD='kivo\tools\emu\kivokidou.d88'
GAME_LETTER_POSITIONS=(518800 661104)

# Every game file under FOLDER equals the CD's and is writable; nothing else is
# there. The game's 410 files are the CD's kivo folder without tools\.
expect_game_installed() {
  local dir differences
  dir=$(unix_path "$1")
  expect_that "the CD holds 410 game files" "$(find "$KIVO_CD/kivo" -type f ! -path '*/kivo/tools/*' | wc -l)" == 410
  differences=$(LC_ALL=C diff -rq "$KIVO_CD/kivo" "$dir" 2>&1 | grep -vxF "Only in $KIVO_CD/kivo: tools")
  expect_that "$1 holds exactly the CD's game files ($differences)" -z "$differences"
  expect_that "no file under $1 is read-only" -z "$(find "$dir" -type f ! -perm -u+w)"
}

# The image at a Windows path is the CD's with LETTER at both positions and no other byte changed.
expect_patched_image() {
  local image=$1 differences expected="" position
  expect_writable "$image"
  differences=$(cmp -l "$KIVO_CD/${GAME_IMAGE_CD//\\//}" "$(unix_path "$image")" | awk '{printf "%d:%s ", $1 - 1, $3}')
  for position in "${GAME_LETTER_POSITIONS[@]}"; do expected+="$position:$(printf '%o' "'$2") "; done
  expect_that "$image is the CD's with '$2' at ${GAME_LETTER_POSITIONS[*]} (differs at $differences)" \
    "$differences" == "$expected"
}

# foldersel3 opened, showing the default folder; with FOLDER [browser], start_game_install then.
open_game_destination() {  # [FOLDER [browser]]
  opens foldersel3 click Form1.BtnKivoinst
  drv expect-text foldersel3.Label2 'C:\KIVO'
  (($# == 0)) || start_game_install "$@"
}

# foldersel3 opened, drive d: picked in foldersel4, first showing c: (the program runs from Q:).
choose_game_drive_d() {
  open_game_destination
  opens foldersel4 click foldersel3.Button1
  drv idle foldersel4
  drv expect-text foldersel4.DriveComboBox1 'c:'
  pick_drive foldersel4 D
  drv expect-text foldersel4.DriveComboBox1 'd:'
  click_gone foldersel4.Button1
  drv expect-text foldersel3.Label2 'd:\KIVO'
}

# OK in foldersel3, answering the folder question when FOLDER is "missing";
# with "browser", until the drive browser shows.
start_game_install() {  # [FOLDER] [browser]
  opens progress2 click foldersel3.Button2
  [[ ${1:-} != missing ]] || answer_folder_question 'はい(&Y)'
  [[ ${2:-} != browser ]] || drv --timeout 120 wait-window winsasi2
}

# The finished run; with "close", closed by its OK.
expect_game_finished() {
  drv --timeout 120 expect-text progress2.Button1 OK
  drv expect-text progress2.Label1 "インストールが終了しました。"
  drv expect-text progress2.Label2 " "
  drv expect-no-msgbox progress2
  [[ ${1:-} != close ]] || close_run progress2 foldersel3
}

# A folder holding only a copy of the CD's image, as an emulator installation would have left it.
put_installed_image() {
  local folder
  folder=$(unix_path "$1")
  rm -rf "$folder"
  install -D -m 644 "$KIVO_CD/${GAME_IMAGE_CD//\\//}" "$folder/kivokidou.d88"
}
