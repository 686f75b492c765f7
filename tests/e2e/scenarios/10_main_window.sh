# Start-up from the CD: the main window's texts, focus, layout at 96 DPI and tab
# order, the nine other windows hidden; Enter opens foldersel1 modal over it. The
# manual button opens the CD's index.htm, or nothing without it; quitting gives 0.
forget_opened_documents
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
opens foldersel1 key Enter
drv expect-disabled Form1
shot emulator_destination
click_gone close foldersel1
drv expect-enabled Form1
drv click Form1.BtnManual
expect_opened_document 'Q:\index.htm'
drv expect-no-msgbox Form1
close_program

forget_opened_documents
mv "$KIVO_CD/index.htm" "$KIVO_STATE/index.htm.away"
trap 'mv "$KIVO_STATE/index.htm.away" "$KIVO_CD/index.htm"' EXIT
start_main_window
drv click Form1.BtnManual
drv expect-no-msgbox Form1
[[ -z $(opened_documents) ]] || scenario_fail "the shell was asked to open: $(opened_documents)"
drv expect-enabled Form1
close_program quit

open_bonus_window
close_program quit
