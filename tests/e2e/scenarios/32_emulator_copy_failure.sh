# The fifth copy fails (a folder holds the file's name): the bar shows 5, the
# label the failing path, the message names source, destination and reason;
# no record, no question, both dialogs close. A read-only file already there
# is left as it is, then and in the complete run that follows.
forget_installations
use_own_desktop
winx=$(unix_path 'C:\')/Winx68k
mkdir -p "$winx/FD1.XDF"
printf 'older' >"$winx/WINDRV.SYS"
wine cmd /c attrib +r 'C:\Winx68k\WINDRV.SYS' >/dev/null 2>&1
expect_check "0x0021" attrs 'C:\Winx68k\WINDRV.SYS'
start_program
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
expect_no_record
expect_file_equals 'tools\windrv\CONFIG.SYS' 'C:\Winx68k\CONFIG.SYS'
expect_no_file 'C:\Winx68k\WINDRV.O'
[[ -z $(find "$winx" -name '*.tmp') ]] || scenario_fail "a temporary file was left"

rmdir "$winx/FD1.XDF"
open_emulator_destination
install_emulator exists 'いいえ(&N)'
[[ $(cat "$winx/WINDRV.SYS") == older ]] || scenario_fail "the read-only WINDRV.SYS was replaced"
expect_check "0x0021" attrs 'C:\Winx68k\WINDRV.SYS'
expect_file_equals 'tools\windrv\FD1.XDF' 'C:\Winx68k\FD1.XDF'
expect_record 'C:\Winx68k\' C
close_finished_progress
wine cmd /c attrib -r 'C:\Winx68k\WINDRV.SYS' >/dev/null 2>&1
close_program
