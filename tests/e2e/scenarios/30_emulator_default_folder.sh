# The emulator installed into the default folder: the folder is created after
# the question, the eight files land in it flattened, the record is written and
# the desktop shortcut made; a second run copies nothing and asks again.
forget_installations
use_own_desktop
start_program
open_emulator_destination
drv expect-caption foldersel1 "kivo68i / WinX68kのインストール"
drv expect-client-size foldersel1 491 147
drv expect-text foldersel1.Label1 "Windows用X68000エミュレータ「WinX68k高速版」をインストールします。"
drv expect-text foldersel1.GroupBox1 "WinX68kインストール先フォルダ"
drv expect-text foldersel1.BtnSansyou 参照
drv expect-text foldersel1.BtnCancel キャンセル
drv expect-focus foldersel1.BtnOk
shot emulator-foldersel1

drv click foldersel1.BtnOk
drv msgbox 指定されたフォルダは存在しません
drv expect-caption progress1 "kivo68i / WinX68kインストール中"
drv expect-client-size progress1 316 131
shot emulator-progress1-folder-question
answer_folder_question 'はい(&Y)'
expect_finished_and_shortcut_question
shot emulator-progress1-finished
drv msgbox-press 'はい(Y)' デスクトップ
drv expect-no-msgbox progress1
expect_emulator_installed 'C:\Winx68k\'
expect_record 'C:\Winx68k\' C
expect_desktop_link 'C:\Winx68k\'
close_finished_progress

# Again over the complete installation: no folder question, nothing copied,
# the record written again, the question asked again.
before=$(stat -c %Y "$(unix_path 'C:\Winx68k\WINDRV.SYS')")
rm -f "$(unix_path 'C:\windows\kivo68i.ini')"
open_emulator_destination
install_emulator exists 'いいえ(&N)'
[[ $(stat -c %Y "$(unix_path 'C:\Winx68k\WINDRV.SYS')") == "$before" ]] || scenario_fail "WINDRV.SYS was copied again"
expect_record 'C:\Winx68k\' C
close_finished_progress
close_program
