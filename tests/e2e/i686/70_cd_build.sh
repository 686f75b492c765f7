# The CD's own i686 build, started once: the main window at start-up, the
# emulator installed from the demo CD (the eight files and kivo68i.ini byte for
# byte, the desktop shortcut read back by Windows and by lnkinfo), and the quit
# button ending it with exit code 0.
forget_installations
[[ $(od -An -tx1 -j "$(($(od -An -tu4 -j 60 -N4 "$KIVO_CD/kivo68i.exe")))" -N6 "$KIVO_CD/kivo68i.exe" | tr -d ' ') == 504500004c01 ]] ||
  scenario_fail "Q:\\kivo68i.exe is not the i686 build"

start_program
started=$SECONDS
# The first start of a 32-bit process under qemu can take minutes.
drv --timeout 900 wait-window Form1
e2e_note "the main window showed after $((SECONDS - started)) s"
expect_main_window_at_start
drv --timeout 120 idle Form1
shot i686-main_window

# Under qemu the program takes the pointer's X events seconds late, and a
# click now and then goes astray: each click is made again until it shows.
drv --timeout 120 click Form1.BtnWin68inst --until expect-disabled Form1
drv wait-window foldersel1
drv expect-text foldersel1.Label2 'C:\Winx68k\'
drv --timeout 120 click foldersel1.BtnOk --until expect-disabled foldersel1
drv --timeout 120 msgbox-press 'はい(Y)' 指定されたフォルダ
drv --timeout 300 msgbox デスクトップ
expect_finished_and_shortcut_question
drv --timeout 120 idle progress1
shot i686-emulator-finished
drv --timeout 120 msgbox-press 'はい(Y)' デスクトップ

expect_emulator_installed 'C:\Winx68k\'
ini=$(unix_path 'C:\windows\kivo68i.ini')
cmp <(printf '[INST]\r\nFOLDER=C:\\Winx68k\\\r\nDRIVE=C\r\nTESTNUM=1\r\n') "$ini" ||
  scenario_fail "kivo68i.ini holds $(od -c "$ini" | head -5)"
expect_desktop_link 'C:\Winx68k\'

drv --timeout 120 click progress1.Button1 --until wait-gone progress1
expect_run_over progress1 foldersel1
drv --timeout 120 click Form1.BtnSyuuryou --until wait-gone Form1
expect_program_exit_code 0 60
