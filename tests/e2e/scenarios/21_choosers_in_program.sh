# The choosers reached as the user reaches them: the folder browser from the
# emulator destination dialog, the drive-root chooser from the game
# destination dialog; each dialog shows the answer it got, and after a Cancel
# the one from before. (The choosers themselves: 20_choosers.sh.)
scratch_drive_d games
forget_installations
start_program

# --- foldersel2 from foldersel1: the default folder does not exist yet.
open_emulator_destination
browse_from_destination 'C:\Winx68k'
pick_drive foldersel2 D
drv click foldersel2.DirectoryListBox1
drv key Home Down Enter
drv expect-text foldersel2.Edit1 'd:\games'
shot chooser_foldersel2_in_program
click_gone foldersel2.Button1
drv expect-text foldersel1.Label2 'd:\games'
browse_from_destination
pick_drive foldersel2 C
click_gone foldersel2.Button2
drv expect-text foldersel1.Label2 'd:\games'
click_gone foldersel1.BtnCancel

# --- foldersel4 from foldersel3.
open_game_destination
choose_game_drive_d chooser_foldersel4_in_program
drv click foldersel3.Button1
drv wait-window foldersel4
pick_drive foldersel4 C
click_gone foldersel4.Button2
drv expect-text foldersel3.Label2 'd:\KIVO'

click_gone foldersel3.Button3
close_program
