# The drive-root chooser reached as the user reaches it: the game button, then
# the browse button of the game destination dialog, which shows the answer.
# Drive D: is a real folder, E: a drive whose root cannot be found.

d_drive=$KIVO_E2E_PREFIX/choosers-d
mkdir -p "$d_drive"
ln -sfn "$d_drive" "$KIVO_E2E_PREFIX/dosdevices/d:"
ln -sfn "$KIVO_E2E_PREFIX/choosers-no-disc" "$KIVO_E2E_PREFIX/dosdevices/e:"
trap 'rm -f "$KIVO_E2E_PREFIX/dosdevices/d:" "$KIVO_E2E_PREFIX/dosdevices/e:"; rm -rf "$d_drive"' EXIT

pick_drive() {
  drv click foldersel4.DriveComboBox1
  drv key "$1" Enter
}

start_program
drv wait-window Form1
drv click Form1.BtnKivoinst
drv wait-window foldersel3
drv expect-text foldersel3.Label2 'C:\KIVO'

# The program runs from Q:, so the first showing moves the selector to c.
drv click foldersel3.Button1
drv wait-window foldersel4
drv expect-text foldersel4.DriveComboBox1 'c:'
pick_drive D
pick_drive E
drv expect-text foldersel4.DriveComboBox1 'd:'
drv expect-no-msgbox foldersel4
shot chooser_foldersel4_in_program
drv click foldersel4.Button1
drv wait-gone foldersel4
drv expect-text foldersel3.Label2 'd:\KIVO'

# Another drive, then Cancel: the value from before this showing comes back.
drv click foldersel3.Button1
drv wait-window foldersel4
pick_drive C
drv click foldersel4.Button2
drv wait-gone foldersel4
drv expect-text foldersel3.Label2 'd:\KIVO'

drv click foldersel3.Button3
drv wait-gone foldersel3
drv close Form1
wait_program_exit
