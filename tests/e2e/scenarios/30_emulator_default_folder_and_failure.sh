# The emulator into the default folder: files, record, shortcut; a second run
# copies nothing. Then the fifth copy failing (a folder holds its name): no
# record, no question; a read-only file already there is kept.
start_main_window afresh
open_emulator_destination
expect_window foldersel1 "kivo68i / WinX68kのインストール" 491 147 BtnOk
drv expect-text foldersel1.Label1 "Windows用X68000エミュレータ「WinX68k高速版」をインストールします。"
drv expect-text foldersel1.GroupBox1 "WinX68kインストール先フォルダ"
drv expect-text foldersel1.BtnSansyou 参照
drv expect-text foldersel1.BtnCancel キャンセル
shot emulator-foldersel1

drv click foldersel1.BtnOk
drv msgbox 指定されたフォルダは存在しません
expect_window progress1 "kivo68i / WinX68kインストール中" 316 131
shot emulator-progress1-folder-question
answer_folder_question 'はい(&Y)'
expect_finished_and_shortcut_question
shot emulator-progress1-finished
drv msgbox-press 'はい(Y)' デスクトップ
drv expect-no-msgbox progress1
expect_emulator_installed 'C:\Winx68k\'
expect_record 'C:\Winx68k\' C
expect_desktop_link 'C:\Winx68k\'
close_run progress1 foldersel1

# Again: no folder question, nothing copied, the record written and the question asked again.
before=$(stat -c %Y "$(unix_path 'C:\Winx68k\WINDRV.SYS')")
rm -f "$(unix_path 'C:\windows\kivo68i.ini')"
open_emulator_destination exists 'いいえ(&N)'
[[ $(stat -c %Y "$(unix_path 'C:\Winx68k\WINDRV.SYS')") == "$before" ]] || scenario_fail "WINDRV.SYS was copied again"
expect_record 'C:\Winx68k\' C
close_run progress1 foldersel1

forget_installations
winx=$(unix_path 'C:\')/Winx68k
mkdir -p "$winx/FD1.XDF"
printf 'older' >"$winx/WINDRV.SYS"
wine cmd /c attrib +r 'C:\Winx68k\WINDRV.SYS' >/dev/null 2>&1
expect_check "0x0021" attrs 'C:\Winx68k\WINDRV.SYS'
open_emulator_destination
drv click foldersel1.BtnOk
box=$(drv_get msgbox コピーに失敗しました) || scenario_fail "no copy failure message"
[[ $box == *'text "コピーに失敗しました:Q:\tools\windrv\FD1.XDF,C:\Winx68k\\FD1.XDF,'* ]] ||
  scenario_fail "copy failure text: $box"
drv expect-text progress1.Label2 'C:\Winx68k\\FD1.XDF'
drv expect-text progress1.Button1 キャンセル
expect_check "5/8" progress progress1 ProgressBar1
shot emulator-progress1-copy-failed
drv msgbox-press OK コピーに失敗しました
expect_run_over progress1 foldersel1
expect_no_file 'C:\windows\kivo68i.ini'
expect_file_equals 'tools\windrv\CONFIG.SYS' 'C:\Winx68k\CONFIG.SYS'
expect_no_file 'C:\Winx68k\WINDRV.O'
expect_that "no temporary file left" -z "$(find "$winx" -name '*.tmp')"

rmdir "$winx/FD1.XDF"
open_emulator_destination exists 'いいえ(&N)'
[[ $(cat "$winx/WINDRV.SYS") == older ]] || scenario_fail "the read-only WINDRV.SYS was replaced"
expect_check "0x0021" attrs 'C:\Winx68k\WINDRV.SYS'
expect_file_equals 'tools\windrv\FD1.XDF' 'C:\Winx68k\FD1.XDF'
expect_record 'C:\Winx68k\' C
close_run progress1 foldersel1
wine cmd /c attrib -r 'C:\Winx68k\WINDRV.SYS' >/dev/null 2>&1
close_program
