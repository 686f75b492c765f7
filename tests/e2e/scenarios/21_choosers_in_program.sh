# The choosers reached as the user reaches them: the folder browser from the
# emulator destination dialog, the drive-root chooser from the game
# destination dialog; each dialog shows the answer it got. Drive D: is a real
# folder, E: a drive whose root cannot be found.

d_drive=$KIVO_E2E_PREFIX/choosers-d
rm -rf "$d_drive"
mkdir -p "$d_drive/games"
map_drive d "$d_drive"
map_drive e "$KIVO_E2E_PREFIX/choosers-no-disc"
trap 'unmap_drive d; unmap_drive e; rm -rf "$d_drive"' EXIT

forget_installations
start_program
drv wait-window Form1

# --- foldersel2 from foldersel1: the default folder does not exist yet.
drv click Form1.BtnWin68inst
drv wait-window foldersel1
drv click foldersel1.BtnSansyou
drv expect-msgbox kivo68i 'フォルダ C:\Winx68k が見つかりません。' OK
drv msgbox-press OK
drv wait-window foldersel2
drv idle foldersel2
pick_drive foldersel2 D
pick_drive foldersel2 E
drv expect-text foldersel2.DriveComboBox1 'd:'
drv click foldersel2.DirectoryListBox1
drv key Home Down Enter
drv expect-text foldersel2.Edit1 'd:\games'
shot chooser_foldersel2_in_program
drv click foldersel2.Button1
drv wait-gone foldersel2
drv expect-text foldersel1.Label2 'd:\games'
# Wandering, then Cancel: the dialog shows the value from before again.
drv click foldersel1.BtnSansyou
drv wait-window foldersel2
drv idle foldersel2
pick_drive foldersel2 C
drv click foldersel2.Button2
drv wait-gone foldersel2
drv expect-text foldersel1.Label2 'd:\games'
drv click foldersel1.BtnCancel
drv wait-gone foldersel1

# --- foldersel4 from foldersel3
drv click Form1.BtnKivoinst
drv wait-window foldersel3
drv expect-text foldersel3.Label2 'C:\KIVO'

# The program runs from Q:, so the first showing moves the selector to c.
drv click foldersel3.Button1
drv wait-window foldersel4
drv idle foldersel4
drv expect-text foldersel4.DriveComboBox1 'c:'
pick_drive foldersel4 D
pick_drive foldersel4 E
drv expect-text foldersel4.DriveComboBox1 'd:'
drv expect-no-msgbox foldersel4
shot chooser_foldersel4_in_program
drv click foldersel4.Button1
drv wait-gone foldersel4
drv expect-text foldersel3.Label2 'd:\KIVO'

# Another drive, then Cancel: the value from before this showing comes back.
drv click foldersel3.Button1
drv wait-window foldersel4
pick_drive foldersel4 C
drv click foldersel4.Button2
drv wait-gone foldersel4
drv expect-text foldersel3.Label2 'd:\KIVO'

drv click foldersel3.Button3
drv wait-gone foldersel3
drv close Form1
wait_program_exit
