# The game on a second drive chosen in foldersel4, with a record that names an
# emulator folder on that drive: the files go to d:\KIVO, the image there gets D.
scratch_drive_d
forget_installations
put_installed_image 'D:\emu\WINX68K'
chmod a-w "$(unix_path 'D:\emu\WINX68K\kivokidou.d88')"  # an earlier image left read-only
# The record an emulator installation there leaves.
printf '[INST]\r\nFOLDER=D:\\emu\\WINX68K\\\r\nDRIVE=D\r\nTESTNUM=1\r\n' >"$(unix_path 'C:\windows\kivo68i.ini')"
start_program

open_game_destination
choose_game_drive_d
start_game_install missing
expect_game_finished
shot game_progress2_second_drive
close_game_progress
expect_game_installed 'D:\KIVO'
expect_no_file 'C:\KIVO'
expect_patched_image 'D:\emu\WINX68K\kivokidou.d88' D
expect_no_record
close_program
