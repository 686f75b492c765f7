# The music bonus when something is in the way: a read-only original, a file
# of the user's own in backup\, and a Start menu without the edition's shortcut.
# shellcheck source=../music/edition.sh
source "$E2E_DIR/music/edition.sh"

music_install_edition
chmod a-w "$(music_edition_dir)/mp3/kv03_field.mp3"
start_program
drv wait-window Form1
drv click Form1.BtnWinsasikae
drv wait-window winsasi1

music_press Button1
drv expect-no-msgbox winsasi1
music_expect_set "" fm
music_expect_set backup originals
music_expect_marker 1

# A foreign file keeps backup\ from going: the three folder messages, in order,
# then where each set is; the FM versions wait in backup2\.
printf 'mine\r\n' >"$(music_edition_dir)/backup/mp3/mine.txt"
drv click winsasi1.Button2
drv --timeout 120 expect-msgbox kivo68i "backup2のmp3フォルダ削除に失敗" OK
drv msgbox-press OK
drv expect-msgbox kivo68i "backup2フォルダ削除に失敗" OK
drv msgbox-press OK
drv expect-msgbox kivo68i "backup2→backupフォルダリネームに失敗" OK
drv msgbox-press OK
drv msgbox "backup2フォルダにあります"
shot music_rename_blocked
drv msgbox-press OK
drv idle winsasi1
music_expect_set "" originals
music_expect_set backup2 fm
music_expect_marker 1

# Either button leads out of it; backup2\ is never overwritten meanwhile.
drv click winsasi1.Button1
for _ in 1 2 3; do drv --timeout 120 msgbox 失敗 && drv msgbox-press OK; done
drv msgbox "backup2フォルダにあります"
drv msgbox-press OK
music_expect_set backup2 fm
rm "$(music_edition_dir)/backup/mp3/mine.txt"
music_finish_interrupted_swap
music_expect_originals_in_use

# Without the shortcut the edition is not found and nothing changes.
wine "$MUSIC_LINK_TOOL" --remove >/dev/null
drv click winsasi1.Button1
drv expect-msgbox 情報 "Kivoをこのマシン上に検出できませんでした。" OK
drv msgbox-press OK
music_expect_set "" originals
music_expect_set backup fm
drv click winsasi1.Button3
drv click Form1.BtnSyuuryou
expect_program_exit_code 0
music_remove_edition
