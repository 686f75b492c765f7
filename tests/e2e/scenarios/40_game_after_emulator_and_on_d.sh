# The game after the emulator: its files in C:\KIVO, the emulator's image given
# the recorded letter, the record consumed, no drive browser. Then the game on d:
# with a record naming an emulator folder there: that image gets D.
scratch_drive_d
start_main_window afresh
open_emulator_destination missing 'いいえ(&N)'
close_run progress1 foldersel1
expect_file_exists 'C:\windows\kivo68i.ini'

open_game_destination
expect_window foldersel3 "kivo68i / Kivo68のインストール" 490 151
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

opens foldersel4 click foldersel3.Button1
shot game_foldersel4
click_gone foldersel4.Button2
drv expect-text foldersel3.Label2 'C:\KIVO'

start_game_install missing
expect_game_finished
drv expect-hidden winsasi2
expect_window progress2 "kivo68i / Kivo68インストール中" 317 138
drv expect-rect progress2.ProgressBar1 24 64 273 17
drv expect-rect progress2.Button1 128 96 73 25
shot game_progress2_finished
close_run progress2 foldersel3
expect_game_installed 'C:\KIVO'
expect_patched_image 'C:\Winx68k\kivokidou.d88' C
expect_no_file 'C:\windows\kivo68i.ini'
expect_no_file 'C:\Winx68k\~k68cpy.tmp'

forget_installations
put_installed_image 'D:\emu\WINX68K'
chmod a-w "$(unix_path 'D:\emu\WINX68K\kivokidou.d88')"  # an earlier image left read-only
# The record an emulator installation there leaves.
printf '[INST]\r\nFOLDER=D:\\emu\\WINX68K\\\r\nDRIVE=D\r\nTESTNUM=1\r\n' >"$(unix_path 'C:\windows\kivo68i.ini')"
choose_game_drive_d
start_game_install missing
expect_game_finished
shot game_progress2_second_drive
close_run progress2 foldersel3
expect_game_installed 'D:\KIVO'
expect_no_file 'C:\KIVO'
expect_patched_image 'D:\emu\WINX68K\kivokidou.d88' D
expect_no_file 'C:\windows\kivo68i.ini'
close_program
