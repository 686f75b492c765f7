# Start-up from the CD: the main window with its caption and the keyboard focus
# on the emulator button; the nine other windows exist but stay hidden.
start_program
drv wait-window Form1
drv expect-caption Form1 "Kivorana X68000版"
for window in foldersel1 foldersel2 foldersel3 foldersel4 progress1 progress2 winsasi1 winsasi3 winsasi2; do
  drv --timeout 2 expect-hidden "$window"
done
drv expect-focus Form1.BtnWin68inst
shot main_window
drv close Form1
expect_program_exit_code 0
