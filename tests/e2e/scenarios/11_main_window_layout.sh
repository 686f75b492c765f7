# The main window's size, place and controls as laid out at 96 DPI: the
# picture, the four lines of the notice and the five buttons with their texts.
start_program
drv wait-window Form1
drv expect-rect Form1 193 109 438 325
drv expect-rect Form1.Image1 8 16 185 265

for line in 1 2 3 4; do
  drv --timeout 2 expect-pos "Form1.Label$line" 208 $((16 * line))
  drv --timeout 2 expect-text "Form1.Label$line" "${MAIN_NOTICE[line - 1]}"
done

for i in 0 1 2 3 4; do
  drv --timeout 2 expect-rect "Form1.${MAIN_BUTTONS[i]}" 208 $((96 + 40 * i)) 201 25
  drv --timeout 2 expect-text "Form1.${MAIN_BUTTONS[i]}" "${MAIN_BUTTON_TEXTS[i]}"
done

# Tab order BtnWin68inst, BtnManual, BtnSyuuryou, BtnWinsasikae, BtnKivoinst.
drv expect-focus Form1.BtnWin68inst
for next in BtnManual BtnSyuuryou BtnWinsasikae BtnKivoinst BtnWin68inst; do
  drv key Tab
  drv --timeout 2 expect-focus "Form1.$next"
done
drv close Form1
expect_program_exit_code 0
