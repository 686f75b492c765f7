# A music operation is modal: nothing else takes input, its boxes belong to the
# copy window, and afterwards the bonus window has the pressed button's focus.
music_install_edition
open_bonus_window
drv expect-focus winsasi1.Button1
music_press Button1
drv expect-text winsasi3.Label2 'Q:\sashikae\movie\kvend.avi'
drv expect-enabled Form1
expect_front winsasi1.Button1

# A file of the user's own in backup\ stops the exchange with boxes over the copy window.
printf 'mine\r\n' >"$(music_edition_dir)/backup/mp3/mine.txt"
drv key Tab
drv expect-focus winsasi1.Button2
drv key Space
drv --timeout 120 expect-msgbox-owner "backup2のmp3フォルダ削除に失敗" winsasi3
drv wait-window winsasi3
drv_each expect-disabled winsasi3 winsasi1 Form1
drv click winsasi1.Button1
shot music_box_over_copy_window
music_answer_rename_blocked
drv --timeout 120 wait-gone winsasi3
drv expect-no-msgbox winsasi1
drv_each expect-enabled winsasi1 Form1
expect_front winsasi1.Button2
music_expect_set "" originals backup2 fm

drv key Alt+F4
drv wait-gone winsasi1
expect_front Form1.BtnWinsasikae
drv key Alt+F4
expect_program_exit_code 0
music_remove_edition
