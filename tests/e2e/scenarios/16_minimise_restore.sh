# The program minimises and comes back as one through the hidden taskbar window
# "kivo68i": the window the user was in returns active, with its focus; the
# taskbar's close closes the main window, but not from behind a modal dialog.
start_main_window
drv expect-caption Application kivo68i

# Minimised and restored with each kind of window open over the main window.
while read -r opened focused minimise_at button; do
  front=${opened/-/Form1}
  [[ $button == - ]] || opens "$front" click "Form1.$button"
  drv key Tab
  drv expect-focus "$front.$focused"
  drv syscommand "$minimise_at" minimize
  drv expect-minimized Application
  drv_each wait-gone Form1 "$front"
  shot "minimised_with_${opened/-/nothing}"
  drv expect-not-minimized Form1
  drv syscommand Application restore
  drv_each wait-window Form1 "$front"
  expect_front "$front.$focused"
done <<'CASES'
- BtnManual Form1 -
winsasi1 Button2 Form1 BtnWinsasikae
foldersel1 BtnCancel Application BtnWin68inst
CASES
shot restored_with_foldersel1

# Behind a modal dialog the taskbar button's close only brings the dialog forward.
drv expect-disabled Form1
drv syscommand Application close
drv expect-active foldersel1
drv idle Form1
drv wait-window Form1
drv key Enter
drv wait-gone foldersel1
expect_front Form1.BtnWin68inst

# Behind another program: activating the taskbar button's window hands over.
open_other_program
drv activate Application
expect_front Form1.BtnWin68inst
close_other_program

drv syscommand Application close
expect_program_exit_code 0
