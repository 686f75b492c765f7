# The program minimises and comes back as one. The hidden window "kivo68i"
# carries the taskbar button: minimising the main window or that button hides
# every window of the program; restoring the button, or activating it while the
# program is behind another one, brings back the window the user was in,
# active and with its focus. Closing the button closes the main window, but
# not from behind a modal dialog.
start_main_window
drv expect-caption Application kivo68i

# Minimised and restored with each kind of window open over the main window.
while read -r opened focused minimise_at; do
  case $opened in
    winsasi1) drv click Form1.BtnWinsasikae ;;
    foldersel1) drv click Form1.BtnWin68inst ;;
  esac
  [[ $opened == - ]] && front=Form1 || front=$opened
  drv wait-window "$front"
  drv key Tab
  drv expect-focus "$front.$focused"
  drv syscommand "$minimise_at" minimize
  drv expect-minimized Application
  drv wait-gone Form1
  drv wait-gone "$front"
  shot "minimised_with_${opened/-/nothing}"
  drv expect-not-minimized Form1
  drv syscommand Application restore
  drv wait-window Form1
  drv wait-window "$front"
  drv expect-active "$front"
  drv expect-focus "$front.$focused"
done <<'CASES'
- BtnManual Form1
winsasi1 Button2 Form1
foldersel1 BtnCancel Application
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
drv expect-active Form1
drv expect-focus Form1.BtnWin68inst

# Behind another program: activating the taskbar button's window hands over.
open_other_program
drv activate Application
drv expect-active Form1
drv expect-focus Form1.BtnWin68inst
close_other_program

drv syscommand Application close
expect_program_exit_code 0
