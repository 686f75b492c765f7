# After every way out of a dialog, or another program in front, the opener is
# active with the focus on its button; Tab, Space, Enter and Alt+F4 work.
start_main_window afresh
drv expect-focus Form1.BtnWin68inst
drv key Shift+Tab
drv expect-focus Form1.BtnKivoinst

# The dialog KEY opens is in front with FIRST focused; left by WAY..., BACK is.
way_out() {  # KEY FIRST BACK WAY...
  opens "${2%%.*}" key "$1"
  expect_front "$2"
  drv "${@:4}"
  drv wait-gone "${2%%.*}"
  expect_front "$3"
}
way_out Space foldersel3.Button1 Form1.BtnKivoinst key Alt+F4
way_out Enter foldersel3.Button1 Form1.BtnKivoinst click foldersel3.Button3
# A chooser over a destination dialog: back to the browse button.
opens foldersel3 key Space
way_out Enter foldersel4.DriveComboBox1 foldersel3.Button1 key Alt+F4
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
way_out Enter foldersel3.Button1 Form1.BtnKivoinst key Alt+F4
drv key Alt+F4
expect_program_exit_code 0
