# After every way out of a dialog, or another program in front, the opener is
# active with the focus on its button; Tab, Space, Enter and Alt+F4 work.
forget_installations
start_main_window
drv expect-focus Form1.BtnWin68inst
drv key Shift+Tab
drv expect-focus Form1.BtnKivoinst

# Opening key, the dialog's first focus, the way out; then the opener's focus.
while read -r key first way; do
  opens "${first%%.*}" key "$key"
  expect_front "$first"
  drv $way
  drv wait-gone "${first%%.*}"
  expect_front Form1.BtnKivoinst
done <<'CASES'
Space foldersel3.Button1 key Alt+F4
Enter foldersel3.Button1 click foldersel3.Button3
CASES

# A chooser over a destination dialog: back to the browse button.
opens foldersel3 key Space
opens foldersel4 key Enter
drv expect-focus foldersel4.DriveComboBox1
drv key Alt+F4
drv wait-gone foldersel4
expect_front foldersel3.Button1
shot focus_after_chooser

# A box that ends the run: both dialogs close and the main window has its focus back.
drv key Tab
drv expect-focus foldersel3.Button2
drv key Enter
drv expect-msgbox-owner 指定されたフォルダは存在しません progress2
drv_each expect-disabled Form1 foldersel3
answer_folder_question 'いいえ(&N)'
expect_run_over progress2 foldersel3
expect_front Form1.BtnKivoinst

# Another program in front and back again.
open_other_program
drv activate Form1
expect_front Form1.BtnKivoinst
shot focus_back_from_other_program
close_other_program
opens foldersel3 key Enter
drv key Alt+F4
drv wait-gone foldersel3
drv key Alt+F4
expect_program_exit_code 0
