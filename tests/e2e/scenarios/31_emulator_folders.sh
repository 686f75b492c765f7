# Ways out that install nothing (Cancel, close box, No, an empty folder, a device
# name, 300 characters); then folders handed over by the browser, by OK or
# Enter, with and without a trailing or doubled backslash.
rm -rf "$(unix_path 'C:\emu')" "$(unix_path 'C:\typed')" "$(unix_path 'C:\dbl')"
mkdir -p "$(unix_path 'C:\')/emu/winx68k"
start_main_window afresh
open_emulator_destination
click_gone foldersel1.BtnCancel
open_emulator_destination
click_gone close foldersel1

open_emulator_destination
drv click foldersel1.BtnOk
answer_folder_question 'いいえ(&N)'
expect_run_over progress1 foldersel1
expect_no_file 'C:\Winx68k'

hand_over_folder set-text OK ''
drv click foldersel1.BtnOk
answer_folder_question 'はい(&Y)'
interrupt_install progress1 foldersel1 "ディレクトリを作成できません"

# A device name, then a path too long, each refused with its message.
long='C:\'$(printf 'x%.0s' $(seq 297))
while IFS='|' read -r folder text; do
  hand_over_folder set-text OK "$folder"
  drv click foldersel1.BtnOk
  answer_msgbox OK エラー "$text$folder"
  expect_run_over progress1 foldersel1
done <<CASES
C:\\CON|インストール先のフォルダ名は使用できません:
$long|パスが長すぎるためインストールできません（255文字まで）:
CASES
expect_no_file 'C:\windows\kivo68i.ini'
expect_no_file "$(desktop_link)"
[[ -z $(find "$(unix_path 'C:\')" -maxdepth 1 -iname 'x*') ]] || scenario_fail "a folder was made for the long path"

hand_over_folder type OK 'C:\emu\winx68k'
# A cancelled browse leaves the answer as it was.
browse_from_destination
drv type foldersel2.Edit1 'C:\elsewhere'
click_gone foldersel2.Button2
drv expect-text foldersel1.Label2 'C:\emu\winx68k'
install_emulator exists 'いいえ(&N)'
expect_emulator_installed 'C:\emu\winx68k'
expect_record 'C:\emu\winx68k' C
expect_no_file "$(desktop_link)"
close_run progress1 foldersel1

# Windows reads a run of backslashes as one; the missing folders above are made
# too; Japanese names go into the record and the shortcut in code page 932.
while read -r typed installed shortcut; do
  hand_over_folder type Enter "$typed"
  install_emulator missing "$shortcut"
  expect_emulator_installed "$installed"
  expect_record "$typed" C
  [[ $shortcut == 'いいえ(&N)' ]] || expect_desktop_link "$typed"
  close_run progress1 foldersel1
done <<'CASES'
C:\typed\deep\WinX68k\ C:\typed\deep\WinX68k はい(&Y)
C:\dbl\b\\c\\ C:\dbl\b\c いいえ(&N)
C:\ゲーム\エミュ\ C:\ゲーム\エミュ はい(&Y)
CASES
close_program
