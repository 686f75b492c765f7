# Folders handed over by the folder browser: one chosen there and confirmed
# with OK (no trailing backslash), one typed with a trailing backslash and
# confirmed with Enter, one typed with doubled backslashes below folders that
# do not exist yet. foldersel1 shows each answer at once.
forget_installations
use_own_desktop
rm -rf "$(unix_path 'C:\emu')" "$(unix_path 'C:\typed')" "$(unix_path 'C:\dbl')"
mkdir -p "$(unix_path 'C:\')/emu/winx68k"
start_program

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
close_finished_progress

hand_over_folder type Enter 'C:\typed\deep\WinX68k\'
install_emulator missing 'はい(&Y)'
expect_emulator_installed 'C:\typed\deep\WinX68k'
expect_record 'C:\typed\deep\WinX68k\' C
expect_desktop_link 'C:\typed\deep\WinX68k\'
close_finished_progress

# Windows reads a run of backslashes as one; the missing folders above are made too.
hand_over_folder type Enter 'C:\dbl\b\\c\\'
install_emulator missing 'いいえ(&N)'
expect_emulator_installed 'C:\dbl\b\c'
expect_record 'C:\dbl\b\\c\\' C
close_finished_progress
close_program
