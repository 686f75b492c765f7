# A music operation is modal. While its copy window is up neither the bonus
# window nor the main window takes input; a box of the operation belongs to
# the copy window, in front of it, and a click on the bonus window meanwhile
# starts nothing. Afterwards the bonus window is active again with the focus
# on the button that was pressed.
music_install_edition
open_bonus_window
drv expect-focus winsasi1.Button1
music_press Button1
drv expect-text winsasi3.Label2 'Q:\sashikae\movie\kvend.avi'
drv expect-enabled Form1
drv expect-active winsasi1
drv expect-focus winsasi1.Button1

# A file of the user's own in backup\ stops the exchange with boxes while the
# copy window is still shown.
printf 'mine\r\n' >"$(music_edition_dir)/backup/mp3/mine.txt"
drv key Tab
drv expect-focus winsasi1.Button2
drv key Space
drv --timeout 120 msgbox "backup2のmp3フォルダ削除に失敗"
drv wait-window winsasi3
drv expect-msgbox-owner "backup2のmp3フォルダ削除に失敗" winsasi3
drv expect-disabled winsasi3
drv expect-disabled winsasi1
drv expect-disabled Form1
drv click winsasi1.Button1
shot music_box_over_copy_window
music_answer_rename_blocked
drv --timeout 120 wait-gone winsasi3
drv expect-no-msgbox winsasi1
drv expect-enabled winsasi1
drv expect-enabled Form1
drv expect-active winsasi1
drv expect-focus winsasi1.Button2
music_expect_set "" originals
music_expect_set backup2 fm

drv key Alt+F4
drv wait-gone winsasi1
drv expect-active Form1
drv expect-focus Form1.BtnWinsasikae
drv key Alt+F4
expect_program_exit_code 0
music_remove_edition
