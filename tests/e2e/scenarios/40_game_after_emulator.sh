# The emulator installed first, then the game: the game's 410 files go into the
# default C:\KIVO after the folder question, the boot disk image in the
# emulator's folder gets the recorded drive letter at its two places and no
# other byte changes, and the record is consumed. The drive browser is never
# shown. foldersel4 opened and cancelled in between changes nothing.
forget_installations
start_program
open_emulator_destination
install_emulator missing 'いいえ(&N)'
close_finished_progress
expect_file_exists 'C:\windows\kivo68i.ini'

open_game_destination
drv expect-caption foldersel3 "kivo68i / Kivo68のインストール"
drv expect-client-size foldersel3 490 151
drv expect-rect foldersel3 188 290 496 176
drv expect-text foldersel3.Label1 "「Kivorana」X68000版をインストールします。"
drv expect-text foldersel3.GroupBox1 "「Kivo」インストール先フォルダ"
drv expect-rect foldersel3.GroupBox1 16 32 457 49
drv expect-rect foldersel3.Button1 368 16 73 25
drv expect-rect foldersel3.Button2 312 96 73 25
drv expect-rect foldersel3.Button3 400 96 73 25
drv expect-text foldersel3.Button1 参照
drv expect-text foldersel3.Button2 OK
drv expect-text foldersel3.Button3 キャンセル
shot game_foldersel3

drv click foldersel3.Button1
drv wait-window foldersel4
shot game_foldersel4
click_gone foldersel4.Button2
drv expect-text foldersel3.Label2 'C:\KIVO'

start_game_install missing
expect_game_finished
drv expect-hidden winsasi2
drv expect-caption progress2 "kivo68i / Kivo68インストール中"
drv expect-client-size progress2 317 138
drv expect-rect progress2.ProgressBar1 24 64 273 17
drv expect-rect progress2.Button1 128 96 73 25
shot game_progress2_finished
close_game_progress
expect_game_installed 'C:\KIVO'
expect_patched_image 'C:\Winx68k\kivokidou.d88' C
expect_no_record
expect_no_file 'C:\Winx68k\~k68cpy.tmp'
close_program
