# The game without a record: the drive browser is asked, and however it ends
# only a drive letter is written into the image in C:\WINX68K (the record's
# default folder). Later runs copy nothing again.
forget_installations
put_installed_image 'C:\WINX68K'
start_main_window

# OK at once: the program's own drive, as the browser shows it.
open_game_destination missing browser
drv expect-caption winsasi2 'kivo68i / Kivo68版おまけ　選択画面'
drv expect-focus winsasi2.Button1
shot game_winsasi2
letter=$(drv_get text winsasi2.Edit1 | head -c 1)
[[ $letter == [qQ] ]] || scenario_fail "the browser starts on '$letter', expected the CD's drive"
click_gone winsasi2.Button1
expect_game_finished close
expect_game_installed 'C:\KIVO'
expect_patched_image 'C:\WINX68K\kivokidou.d88' "$letter"

# Cancel after typing d:\foo: d.
open_game_destination "" browser
drv type winsasi2.Edit1 'd:\foo'
click_gone winsasi2.Button2
expect_game_finished close
expect_patched_image 'C:\WINX68K\kivokidou.d88' d

# The close box answers nothing: asked again, then a letter.
no_drive=$'ドライブ名を取得できませんでした。\nドライブ名（A～Z）で始まるパスを選択して下さい。\nもう一度選択しますか？'
open_game_destination "" browser
drv close winsasi2
answer_msgbox "はい(&Y)" 確認 "$no_drive" "はい(&Y)" "いいえ(&N)"
drv wait-window winsasi2
drv type winsasi2.Edit1 'E:\x'
drv click winsasi2.Button1
expect_game_finished close
expect_patched_image 'C:\WINX68K\kivokidou.d88' E

# An empty field, then giving up: the image keeps its letter, the run is not finished.
open_game_destination "" browser
drv set-text winsasi2.Edit1 ''
drv click winsasi2.Button1
answer_msgbox "いいえ(&N)" 確認 "$no_drive" "はい(&Y)" "いいえ(&N)"
drv expect-text progress2.Label1 "ファイルをコピー中です。しばらくお待ち下さい。"
interrupt_install progress2 foldersel3 $'ドライブが選択されなかったため、起動ディスクにドライブ名を書き込めませんでした。\nインストールは完了していません。'
expect_patched_image 'C:\WINX68K\kivokidou.d88' E

# Without the emulator's folder the image cannot be had: the program's message, not finished.
rm -rf "$(unix_path 'C:\WINX68K')"
open_game_destination "" browser
drv click winsasi2.Button1
interrupt_install progress2 foldersel3 'ファイル C:\WINX68K\kivokidou.d88 は開けません'
expect_no_file 'C:\WINX68K'
close_program
