# Around the installation runs: every run starts with the opening texts; a
# finished progress window activated again starts no second run and closes by
# its close box at once, without the warning; a press made during a copy takes
# effect after it; the game button shows C:\KIVO again after another drive was
# chosen; with the bonus window open the install buttons work and a second
# press of the bonus button opens no second window.
scratch_drive_d
forget_installations
use_own_desktop
start_program

for round in 1 2; do
  rm -rf "$(unix_path 'C:\Winx68k')"
  open_emulator_destination
  drv click foldersel1.BtnOk
  drv msgbox 指定されたフォルダは存在しません
  drv expect-text progress1.Label1 "ファイルをコピー中です。しばらくお待ち下さい。"
  drv expect-text progress1.Label2 " "
  drv expect-text progress1.Button1 キャンセル
  answer_folder_question 'はい(&Y)'
  expect_finished_and_shortcut_question 'いいえ(&N)'
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

# Another drive chosen, then cancelled: the next press starts from C:\KIVO.
open_game_destination
choose_game_drive_d
click_gone foldersel3.Button3
open_game_destination

# The cancel button pressed while the files are copied: once the run is over
# the window is finished, so the press closes it without the warning.
start_game_install missing
drv click progress2.Button1
drv --timeout 120 wait-gone progress2
expect_run_over progress2 foldersel3
expect_game_installed 'C:\KIVO'
expect_patched_image 'C:\Winx68k\kivokidou.d88' C

# The bonus window open: a second press only brings it forward; the install
# buttons still open their dialogs, over both windows.
drv click Form1.BtnWinsasikae
drv wait-window winsasi1
drv click Form1.BtnWinsasikae
drv expect-active winsasi1
drv expect-shown-count Form1 2
while read -r button dialog cancel; do
  drv click "Form1.$button"
  drv wait-window "$dialog"
  drv expect-disabled winsasi1
  drv expect-disabled Form1
  click_gone "$dialog.$cancel"
  drv expect-enabled winsasi1
  drv expect-active Form1
  drv expect-focus "Form1.$button"
done <<'CASES'
BtnWin68inst foldersel1 BtnCancel
BtnKivoinst foldersel3 Button3
CASES
shot bonus_and_main
close_program
