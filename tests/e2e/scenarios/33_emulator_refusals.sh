# Ways out of the emulator installation that install nothing: Cancel, the close
# box, No to the folder question, an empty folder (creation refused, then the
# interruption warning), a device name and a 300-character folder.
source "$E2E_DIR/emulator_lib.sh"
forget_installations
use_own_desktop
start_program
open_emulator_destination
drv click foldersel1.BtnCancel
drv wait-gone foldersel1
open_emulator_destination
drv close foldersel1
drv wait-gone foldersel1

open_emulator_destination
drv click foldersel1.BtnOk
drv msgbox-press 'いいえ(N)' 指定されたフォルダ
drv wait-gone progress1
drv wait-gone foldersel1
drv expect-no-msgbox Form1
expect_no_file 'C:\Winx68k'

# Typed through the folder browser's path field.
enter_folder() {
  open_emulator_destination
  browse_from_destination 'C:\Winx68k が見つかりません'
  drv set-text foldersel2.Edit1 "$1"
  drv click foldersel2.Button1
  drv wait-gone foldersel2
  drv click foldersel1.BtnOk
}

enter_folder ''
drv msgbox-press 'はい(Y)' 指定されたフォルダ
drv expect-msgbox kivo68i "ディレクトリを作成できません" OK
drv msgbox-press OK ディレクトリを作成できません
drv expect-text progress1.Button1 キャンセル
drv click progress1.Button1
drv expect-msgbox 警告 "インストールを中断します。" OK
drv msgbox-press OK インストールを中断します
drv wait-gone progress1
drv wait-gone foldersel1

enter_folder 'C:\CON'
drv expect-msgbox エラー 'インストール先のフォルダ名は使用できません:C:\CON' OK
drv msgbox-press OK 使用できません
drv wait-gone progress1
drv wait-gone foldersel1

long='C:\'$(printf 'x%.0s' $(seq 297))
enter_folder "$long"
drv expect-msgbox エラー "パスが長すぎるためインストールできません（255文字まで）:$long" OK
drv msgbox-press OK パスが長すぎる
drv wait-gone progress1
drv wait-gone foldersel1

expect_no_record
[[ ! -e $(unix_path "$(desktop_link)") ]] || scenario_fail "a shortcut was made"
[[ -z $(find "$(unix_path 'C:\')" -maxdepth 1 -iname 'x*') ]] || scenario_fail "a folder was made for the long path"
drv close Form1
expect_program_exit_code 0
