# Enter on the focused emulator button opens the emulator destination dialog
# over the main window, which does not react until the dialog has closed.
start_main_window
drv expect-focus Form1.BtnWin68inst
drv key Enter
drv wait-window foldersel1
drv expect-disabled Form1
shot emulator_destination
click_gone close foldersel1
drv expect-enabled Form1
close_program
