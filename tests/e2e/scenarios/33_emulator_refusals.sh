# Ways out of the emulator installation that install nothing: Cancel, the close
# box, No to the folder question, an empty folder (creation refused, then the
# interruption warning), a device name and a 300-character folder.
forget_installations
use_own_desktop
start_program
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
answer_msgbox OK kivo68i "ディレクトリを作成できません"
drv expect-text progress1.Button1 キャンセル
interrupt_install progress1 foldersel1

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

expect_no_record
expect_no_file "$(desktop_link)"
[[ -z $(find "$(unix_path 'C:\')" -maxdepth 1 -iname 'x*') ]] || scenario_fail "a folder was made for the long path"
close_program
