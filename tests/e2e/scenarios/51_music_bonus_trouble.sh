# The music bonus with something in the way: another tool's file or one of the
# user's own in backup\, a read-only original, a lost marker, no shortcut. An
# operation is modal: nothing else takes input, its boxes belong to the copy
# window, and afterwards the bonus window has the pressed button's focus.
music_install_edition
chmod a-w "$(music_edition_dir)/mp3/kv03_field.mp3"
open_bonus_window
drv expect-focus winsasi1.Button1

# A file in backup\ that is not the original: named, and nothing changes.
mkdir -p "$(music_edition_dir)/backup/mp3"
printf 'older tool\r\n' >"$(music_edition_dir)/backup/mp3/kv05_forest.mp3"
drv click winsasi1.Button1
drv msgbox $'backupフォルダに、使用中のファイルと内容の違うファイルがあります。\n'"$MUSIC_EDITION\\backup\\mp3\\kv05_forest.mp3"
shot music_backup_differs
drv msgbox-press OK
music_expect_set "" originals
[[ $(cat "$(music_edition_dir)/backup/mp3/kv05_forest.mp3") == $'older tool\r' ]] || scenario_fail "the other tool's file changed"
[[ ! -e $(music_edition_dir)/mp3/kivomus.ini ]] || scenario_fail "a marker was written"
rm -r "$(music_edition_dir)/backup"
music_press Button1 fm
drv expect-text winsasi3.Label2 'Q:\sashikae\movie\kvend.avi'
drv expect-enabled Form1
expect_front winsasi1.Button1

# A foreign file keeps backup\ from going, with boxes over the copy window; the
# FM versions wait in backup2\.
printf 'mine\r\n' >"$(music_edition_dir)/backup/mp3/mine.txt"
drv key Tab
drv expect-focus winsasi1.Button2
drv key Space
drv --timeout 120 expect-msgbox-owner "backup2のmp3フォルダ削除に失敗" winsasi3
drv wait-window winsasi3
drv_each expect-disabled winsasi3 winsasi1 Form1
drv click winsasi1.Button1
shot music_box_over_copy_window
music_answer_rename_blocked music_rename_blocked
drv --timeout 120 wait-gone winsasi3
drv idle winsasi1
drv expect-no-msgbox winsasi1
drv_each expect-enabled winsasi1 Form1
expect_front winsasi1.Button2
music_expect_set "" originals backup2 fm
music_expect_marker 1

# Either button leads out of it; backup2\ is never overwritten meanwhile.
drv click winsasi1.Button1
music_answer_rename_blocked
music_expect_set backup2 fm
rm "$(music_edition_dir)/backup/mp3/mine.txt"
music_finish_interrupted_swap

# The marker lost after a restore: the install asks first; "no" changes nothing.
rm "$(music_edition_dir)/mp3/kivomus.ini"
drv click winsasi1.Button1
drv msgbox "backupフォルダにFM音源版のファイルがそろっていて"
shot music_marker_lost
drv msgbox-press "いいえ(&N)"
music_expect_set "" originals backup fm
drv click winsasi1.Button1
drv msgbox-press "はい(&Y)" "backupフォルダにFM音源版のファイルがそろっていて"
drv --timeout 120 idle winsasi1
drv expect-no-msgbox winsasi1
music_expect_fm_in_use

# Without the shortcut the edition is not found and nothing changes.
wine "$MUSIC_LINK_TOOL" --remove >/dev/null
drv click winsasi1.Button1
answer_msgbox OK 情報 "Kivoをこのマシン上に検出できませんでした。"
music_expect_fm_in_use
expect_front winsasi1.Button1
drv key Alt+F4
drv wait-gone winsasi1
expect_front Form1.BtnWinsasikae
drv key Alt+F4
expect_program_exit_code 0
music_remove_edition
