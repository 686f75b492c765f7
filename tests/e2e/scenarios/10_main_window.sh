# Start-up from the CD: the main window with its caption, texts and the
# keyboard focus on the emulator button, the nine other windows hidden; its
# size, place and controls as laid out at 96 DPI (the picture, the four notice
# lines, the five buttons) and its tab order. Enter on the focused emulator
# button opens the emulator destination dialog over the main window, which
# does not react until the dialog has closed.
start_main_window
expect_main_window_at_start
shot main_window
drv expect-rect Form1 193 109 438 325
drv expect-rect Form1.Image1 8 16 185 265
for i in 0 1 2 3; do drv --timeout 2 expect-pos "Form1.Label$((i + 1))" 208 $((16 * i + 16)); done
for i in 0 1 2 3 4; do drv --timeout 2 expect-rect "Form1.${MAIN_BUTTONS[i]}" 208 $((96 + 40 * i)) 201 25; done

for next in BtnManual BtnSyuuryou BtnWinsasikae BtnKivoinst BtnWin68inst; do
  drv key Tab
  drv --timeout 2 expect-focus "Form1.$next"
done
drv key Enter
drv wait-window foldersel1
drv expect-disabled Form1
shot emulator_destination
click_gone close foldersel1
drv expect-enabled Form1
close_program
