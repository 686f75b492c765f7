# The three choosers through a stand-in opener (chooser_bench.exe), with D: a
# real folder and E: a drive whose root cannot be found (an empty CD drive).
# Each answer is read back from the opener after the chooser has closed.
cp "$KIVO_BUILD_WIN64/tools/windows/chooser_bench/chooser_bench.exe" "$KIVO_TEST_TOOLS/" || scenario_fail "no chooser_bench"
scratch_drive_d games/old 表/ソ
map_drive e "$KIVO_E2E_PREFIX/choosers-no-disc"
trap 'unmap_drive d; unmap_drive e; rm -rf "$d_drive"' EXIT
forget_installations

open_chooser() {
  opens "$2" click "bench.$1"
  drv idle "$2"
}

# Chooser W left by the driver's ACTION...; the opener reads ANSWER.
answer_is() {  # W ANSWER ACTION...
  drv "${@:3}"
  drv wait-gone "$1"
  drv expect-text bench.Answer "$2"
}

start_program 'C:\kivo-e2e\chooser_bench.exe' bench

# --- foldersel2: the default folder does not exist yet
drv click bench.Open2
answer_msgbox OK kivo68i 'フォルダ C:\Winx68k が見つかりません。'
drv wait-window foldersel2
expect_window foldersel2 'kivo68i / WinX68kフォルダ選択画面' 297 265 DriveComboBox1
drv expect-rect foldersel2.DriveComboBox1 8 80 225 18
drv expect-rect foldersel2.DirectoryListBox1 8 120 225 97
drv expect-rect foldersel2.Edit1 8 40 225 20
drv expect-rect foldersel2.Button2 216 232 73 25
drv expect-text foldersel2.Edit1 'c:\'
shot chooser_foldersel2

# D:, then a folder opened with Enter in the real list, then the empty drive.
pick_drive foldersel2 D
drv expect-text foldersel2.Edit1 'd:\'
drv click foldersel2.DirectoryListBox1
drv key Home Down Enter
drv expect-text foldersel2.Edit1 'd:\games'
pick_drive foldersel2 E
drv expect-text foldersel2.DriveComboBox1 'd:'
drv expect-text foldersel2.Edit1 'd:\games'
drv expect-no-msgbox foldersel2
drv click foldersel2.DirectoryListBox1
drv key Home Enter End Enter End Enter
drv expect-text foldersel2.Edit1 'd:\表\ソ'
shot chooser_foldersel2_japanese

# A typed path and Enter: stored exactly as typed.
drv type foldersel2.Edit1 'D:\新しい フォルダ\'
answer_is foldersel2 'W=[D:\新しい フォルダ\] K=[C:\KIVO] P=[0]' key Enter

# The trailing-backslash round trip: C:\windows\ -> C:\windows -> C:\.
while read -r opening shown; do
  drv set-text bench.Win68 "$opening"
  open_chooser Open2 foldersel2
  drv expect-text foldersel2.Edit1 "$shown"
  answer_is foldersel2 "W=[$shown] K=[C:\\KIVO] P=[0]" click foldersel2.Button1
done <<'CASES'
C:\windows\ C:\windows
C:\windows C:\
CASES

# Cancel after wandering, and the close box, both keep the opening value.
drv set-text bench.Win68 'C:\windows\'
for way in 'click foldersel2.Button2' 'close foldersel2'; do
  open_chooser Open2 foldersel2
  pick_drive foldersel2 D
  answer_is foldersel2 'W=[C:\windows\] K=[C:\KIVO] P=[0]' $way
done

# --- winsasi2: starts from the program's own path, focus on OK.
open_chooser OpenW winsasi2
drv expect-caption winsasi2 'kivo68i / Kivo68版おまけ　選択画面'
drv expect-rect winsasi2 205 275 303 289
drv expect-focus winsasi2.Button1
drv expect-no-msgbox winsasi2
drv expect-text winsasi2.Edit1 'C:\kivo-e2e'
shot chooser_winsasi2
drv set-text winsasi2.Edit1 ''
answer_is winsasi2 'W=[C:\windows\] K=[C:\KIVO] P=[0]' click winsasi2.Button1
# Enter answers and leaves the dialog open; the close box then answers nothing more.
open_chooser OpenW winsasi2
drv type winsasi2.Edit1 'd:\foo'
drv key Enter
drv idle winsasi2
drv wait-window winsasi2
drv set-text winsasi2.Edit1 'x:\bar'
answer_is winsasi2 'W=[C:\windows\] K=[C:\KIVO] P=[d]' close winsasi2
# The empty drive sends the selector back to c:; Cancel answers the path's first character.
open_chooser OpenW winsasi2
drv expect-text winsasi2.Edit1 'C:\kivo-e2e\chooser_bench.exe'
pick_drive winsasi2 E
drv expect-text winsasi2.DriveComboBox1 'c:'
drv expect-text winsasi2.Edit1 'C:\kivo-e2e'
answer_is winsasi2 'W=[C:\windows\] K=[C:\KIVO] P=[C]' click winsasi2.Button2

# --- foldersel4: only the drive letter of C:\KIVO changes.
open_chooser Open4 foldersel4
expect_window foldersel4 'kivo68i / Kivo68フォルダ選択画面' 306 215 DriveComboBox1
drv expect-rect foldersel4.Button2 216 144 65 25
shot chooser_foldersel4
pick_drive foldersel4 D
pick_drive foldersel4 E
drv expect-text foldersel4.DriveComboBox1 'd:'
drv expect-no-msgbox foldersel4
answer_is foldersel4 'W=[C:\windows\] K=[d:\KIVO] P=[C]' click foldersel4.Button1
for way in 'click foldersel4.Button2' 'close foldersel4'; do
  open_chooser Open4 foldersel4
  pick_drive foldersel4 D
  answer_is foldersel4 'W=[C:\windows\] K=[C:\KIVO] P=[C]' $way
done

drv close bench
wait_program_exit
