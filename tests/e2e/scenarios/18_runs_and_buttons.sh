# Around the runs: each starts with the opening texts; a finished progress window
# activated again starts nothing and closes without the warning; a press during
# a copy acts after it; the install buttons beside the bonus window.
scratch_drive_d
start_main_window afresh

for round in 1 2; do
  rm -rf "$(unix_path 'C:\Winx68k')"
  open_emulator_destination missing 'いいえ(&N)'
  drv syscommand Application minimize
  drv expect-minimized Application
  drv syscommand Application restore
  drv expect-active progress1
  drv expect-no-msgbox progress1
  drv expect-text progress1.Label1 "インストールが終了しました。"
  shot "run_${round}_finished"
  click_gone close progress1 foldersel1
  drv expect-no-msgbox Form1
  drv expect-active Form1
done
expect_emulator_installed 'C:\Winx68k\'

# Another drive chosen, then cancelled: the next press starts from C:\KIVO. Cancel
# pressed during that copy acts once the run is over: no warning.
choose_game_drive_d
click_gone foldersel3.Button3
open_game_destination missing
drv click progress2.Button1
drv --timeout 120 wait-gone progress2
expect_run_over progress2 foldersel3
expect_game_installed 'C:\KIVO'
expect_patched_image 'C:\Winx68k\kivokidou.d88' C

# A second bonus press only brings it forward; the install dialogs open over both.
opens winsasi1 click Form1.BtnWinsasikae
drv click Form1.BtnWinsasikae
drv expect-active winsasi1
drv expect-shown-count Form1 2
while read -r button dialog cancel; do
  opens "$dialog" click "Form1.$button"
  drv_each expect-disabled winsasi1 Form1
  click_gone "$dialog.$cancel"
  drv expect-enabled winsasi1
  expect_front "Form1.$button"
done <<'CASES'
BtnWin68inst foldersel1 BtnCancel
BtnKivoinst foldersel3 Button3
CASES
shot bonus_and_main
close_program
