# The keyboard in every way out of a dialog: the window that opened it is
# active again with the focus on the button that opened it, so the next key
# works at once; likewise after another program was in front. Shift+Tab and
# Tab follow the tab order, Space and Enter press the focused button, Alt+F4
# acts as the close box.
forget_installations
start_main_window
drv expect-focus Form1.BtnWin68inst
drv key Shift+Tab
drv expect-focus Form1.BtnKivoinst

# Opening key, the dialog's first focus, the way out; then the opener's focus.
while read -r key dialog first way; do
  drv key "$key"
  drv wait-window "$dialog"
  drv expect-active "$dialog"
  drv expect-focus "$dialog.$first"
  case $way in
    Alt+F4) drv key Alt+F4 ;;
    *) drv click "$dialog.$way" ;;
  esac
  drv wait-gone "$dialog"
  drv expect-active Form1
  drv expect-focus Form1.BtnKivoinst
done <<'CASES'
Space foldersel3 Button1 Alt+F4
Enter foldersel3 Button1 Button3
CASES

# A chooser over a destination dialog: back to the browse button.
drv key Space
drv wait-window foldersel3
drv key Enter
drv wait-window foldersel4
drv expect-focus foldersel4.DriveComboBox1
drv key Alt+F4
drv wait-gone foldersel4
drv expect-active foldersel3
drv expect-focus foldersel3.Button1
shot focus_after_chooser

# A box that ends the run: both dialogs close and the main window has its focus back.
drv key Tab
drv expect-focus foldersel3.Button2
drv key Enter
drv msgbox 指定されたフォルダは存在しません
drv expect-msgbox-owner 指定されたフォルダは存在しません progress2
drv expect-disabled Form1
drv expect-disabled foldersel3
answer_folder_question 'いいえ(&N)'
expect_run_over progress2 foldersel3
drv expect-active Form1
drv expect-focus Form1.BtnKivoinst

# Another program in front and back again.
open_other_program
drv activate Form1
drv expect-active Form1
drv expect-focus Form1.BtnKivoinst
shot focus_back_from_other_program
close_other_program
drv key Enter
drv wait-window foldersel3
drv key Alt+F4
drv wait-gone foldersel3

drv key Alt+F4
expect_program_exit_code 0
