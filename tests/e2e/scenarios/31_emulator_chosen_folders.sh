# Folders handed over by the folder browser: one chosen there and confirmed
# with OK (no trailing backslash), one typed with a trailing backslash and
# confirmed with Enter, one typed with doubled backslashes below folders that
# do not exist yet. foldersel1 shows each answer at once.
source "$E2E_DIR/emulator_lib.sh"
forget_installations
use_own_desktop
rm -rf "$(unix_path 'C:\emu')" "$(unix_path 'C:\typed')" "$(unix_path 'C:\dbl')"
mkdir -p "$(unix_path 'C:\')/emu/winx68k"
start_program

open_emulator_destination
# The default folder does not exist yet: the folder list says so first.
browse_from_destination 'C:\Winx68k が見つかりません'
drv type foldersel2.Edit1 'C:\emu\winx68k'
drv click foldersel2.Button1
drv wait-gone foldersel2
drv expect-text foldersel1.Label2 'C:\emu\winx68k'
# A cancelled browse leaves the answer as it was.
browse_from_destination
drv type foldersel2.Edit1 'C:\elsewhere'
drv click foldersel2.Button2
drv wait-gone foldersel2
drv expect-text foldersel1.Label2 'C:\emu\winx68k'
drv click foldersel1.BtnOk
# The folder exists: straight to the copy, then the shortcut question.
expect_finished_and_shortcut_question
drv msgbox-press 'いいえ(N)' デスクトップ
expect_emulator_installed 'C:\emu\winx68k'
expect_record 'C:\emu\winx68k' C
[[ ! -e $(unix_path "$(desktop_link)") ]] || scenario_fail "a shortcut was made after No"
close_finished_progress

open_emulator_destination
browse_from_destination 'C:\Winx68k が見つかりません'
drv type foldersel2.Edit1 'C:\typed\deep\WinX68k\'
drv key Enter
drv wait-gone foldersel2
drv expect-text foldersel1.Label2 'C:\typed\deep\WinX68k\'
drv click foldersel1.BtnOk
drv msgbox-press 'はい(Y)' 指定されたフォルダ
expect_finished_and_shortcut_question
drv msgbox-press 'はい(Y)' デスクトップ
expect_emulator_installed 'C:\typed\deep\WinX68k'
expect_record 'C:\typed\deep\WinX68k\' C
expect_check 'target=C:\typed\deep\WinX68k\WinX68kHighSpeed.exe|folder=C:\typed\deep\WinX68k\\|icon=C:\typed\deep\WinX68k\\WinX68kHighSpeed.exe,0' \
  lnk "$(desktop_link)"
close_finished_progress

# Windows reads a run of backslashes as one; the missing folders above are made too.
open_emulator_destination
browse_from_destination 'C:\Winx68k が見つかりません'
drv type foldersel2.Edit1 'C:\dbl\b\\c\\'
drv key Enter
drv wait-gone foldersel2
drv click foldersel1.BtnOk
drv msgbox-press 'はい(Y)' 指定されたフォルダ
expect_finished_and_shortcut_question
drv msgbox-press 'いいえ(N)' デスクトップ
expect_emulator_installed 'C:\dbl\b\c'
expect_record 'C:\dbl\b\\c\\' C
close_finished_progress
drv close Form1
expect_program_exit_code 0
