# shellcheck shell=bash
# Helpers for the game installation scenarios (lib.sh sources this).

GAME_IMAGE_CD='kivo\tools\emu\kivokidou.d88'
GAME_LETTER_POSITIONS=(518800 661104)

# Every game file under FOLDER equals the CD's and is writable; nothing else is
# there. The game's 410 files are the CD's kivo folder without tools\.
expect_game_installed() {
  local folder=$1 entry count=0
  while IFS= read -r entry; do
    local target
    target=$(unix_path "$folder$entry")
    cmp -s "$KIVO_CD/kivo${entry//\\//}" "$target" || scenario_fail "$folder$entry differs from the CD's"
    [[ -w $target ]] || scenario_fail "$folder$entry is read-only"
    ((++count))
  done < <(cd "$KIVO_CD/kivo" && find . -type f ! -path './tools/*' | sed 's|^\.||; s|/|\\|g' | LC_ALL=C sort)
  ((count == 410)) || scenario_fail "the CD holds $count game files, expected 410"
  local found
  found=$(find "$(unix_path "$folder")" -type f | wc -l)
  ((found == 410)) || scenario_fail "$folder holds $found files, expected 410"
  e2e_note "ok: the 410 files under $folder equal the CD's and are writable"
}

# The image at a Windows path is the CD's with LETTER at both positions and no other byte changed.
expect_patched_image() {
  local image=$1 letter=$2 target differences expected
  target=$(unix_path "$image")
  [[ -f $target ]] || scenario_fail "no image $image"
  [[ -w $target ]] || scenario_fail "$image is read-only"
  differences=$(cmp -l "$KIVO_CD/${GAME_IMAGE_CD//\\//}" "$target" | awk '{printf "%d:%s ", $1 - 1, $3}')
  expected=""
  local octal position
  octal=$(printf '%o' "'$letter")
  for position in "${GAME_LETTER_POSITIONS[@]}"; do expected+="$position:$octal "; done
  [[ $differences == "$expected" ]] || scenario_fail "$image differs from the CD's at [$differences], expected [$expected]"
  e2e_note "ok: $image is the CD's with '$letter' at ${GAME_LETTER_POSITIONS[*]} and nothing else changed"
}

expect_no_record() { expect_no_file 'C:\windows\kivo68i.ini'; }

# foldersel3 opened from the main window, showing the default folder.
open_game_destination() {
  drv wait-window Form1
  drv click Form1.BtnKivoinst
  drv wait-window foldersel3
  drv expect-text foldersel3.Label2 'C:\KIVO'
}

# From foldersel3 for the first time, drive d: picked in foldersel4: foldersel3
# then shows d:\KIVO. The program runs from Q:, so foldersel4 first shows c:.
choose_game_drive_d() {
  drv click foldersel3.Button1
  drv wait-window foldersel4
  drv idle foldersel4
  drv expect-text foldersel4.DriveComboBox1 'c:'
  pick_drive foldersel4 D
  drv expect-text foldersel4.DriveComboBox1 'd:'
  click_gone foldersel4.Button1
  drv expect-text foldersel3.Label2 'd:\KIVO'
}

# OK in foldersel3, answering the folder question when FOLDER is "missing";
# with "browser", until the drive browser shows.
#   start_game_install [FOLDER] [browser]
start_game_install() {
  drv click foldersel3.Button2
  drv wait-window progress2
  [[ ${1:-} != missing ]] || answer_folder_question 'はい(&Y)'
  [[ ${2:-} != browser ]] || drv --timeout 120 wait-window winsasi2
}

# The finished run; with "close", closed by its OK.
expect_game_finished() {
  drv --timeout 120 expect-text progress2.Button1 OK
  drv expect-text progress2.Label1 "インストールが終了しました。"
  drv expect-text progress2.Label2 " "
  drv expect-no-msgbox progress2
  [[ ${1:-} != close ]] || close_game_progress
}

close_game_progress() {
  drv click progress2.Button1
  expect_run_over progress2 foldersel3
}

# A copy of the CD's image as an emulator installation would have left it.
put_installed_image() {
  local folder
  folder=$(unix_path "$1")
  mkdir -p "$folder"
  cp "$KIVO_CD/${GAME_IMAGE_CD//\\//}" "$folder/kivokidou.d88"
  chmod u+w "$folder/kivokidou.d88"
}
