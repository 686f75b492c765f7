# Enter on the focused emulator button opens the emulator destination dialog
# over the main window, which does not react until the dialog has closed.
start_program
drv wait-window Form1
drv expect-focus Form1.BtnWin68inst
drv key Enter
drv wait-window foldersel1
drv expect-caption foldersel1 "kivo68i / WinX68kのインストール"
drv expect-disabled Form1
shot emulator_destination
drv close foldersel1
drv wait-gone foldersel1
drv expect-enabled Form1
drv close Form1
expect_program_exit_code 0
