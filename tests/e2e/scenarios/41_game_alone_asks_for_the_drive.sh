# The game without a record of the emulator: the drive browser is asked, and
# whatever way it ends, only a drive letter is ever written into the image,
# which goes to C:\WINX68K (the record's default folder, from the drive's root).
# Runs after the first copy nothing is copied again; the bar still runs to the end.
source "$E2E_DIR/game_lib.sh"
forget_installations
rm -rf "$(unix_path 'C:\WINX68K')"
put_installed_image 'C:\WINX68K'
start_program

# OK at once: the program's own drive, as the browser shows it.
open_game_destination
start_game_install missing
drv --timeout 120 wait-window winsasi2
drv expect-caption winsasi2 'kivo68i / Kivo68版おまけ　選択画面'
drv expect-focus winsasi2.Button1
shot game_winsasi2
letter=$(drv_get text winsasi2.Edit1)
letter=${letter:0:1}
[[ $letter == [qQ] ]] || scenario_fail "the browser starts on '$letter', expected the CD's drive"
drv click winsasi2.Button1
drv wait-gone winsasi2
expect_game_finished
close_game_progress
expect_game_installed 'C:\KIVO'
expect_patched_image 'C:\WINX68K\kivokidou.d88' "$letter"

# Cancel after typing d:\foo: d.
open_game_destination
start_game_install
drv --timeout 120 wait-window winsasi2
drv type winsasi2.Edit1 'd:\foo'
drv click winsasi2.Button2
drv wait-gone winsasi2
expect_game_finished
close_game_progress
expect_patched_image 'C:\WINX68K\kivokidou.d88' d

# The close box answers nothing: asked again, then a letter.
open_game_destination
start_game_install
drv --timeout 120 wait-window winsasi2
drv close winsasi2
drv expect-msgbox 確認 $'ドライブ名を取得できませんでした。\nドライブ名（A～Z）で始まるパスを選択して下さい。\nもう一度選択しますか？' "はい(&Y)" "いいえ(&N)"
drv msgbox-press "はい(&Y)" ドライブ名を取得
drv wait-window winsasi2
drv type winsasi2.Edit1 'E:\x'
drv click winsasi2.Button1
expect_game_finished
close_game_progress
expect_patched_image 'C:\WINX68K\kivokidou.d88' E

# An empty field, then giving up: the image keeps its letter, nothing is
# reported as finished, and the dialog's button warns before it closes.
open_game_destination
start_game_install
drv --timeout 120 wait-window winsasi2
drv set-text winsasi2.Edit1 ''
drv click winsasi2.Button1
drv msgbox-press "いいえ(&N)" ドライブ名を取得
drv expect-msgbox kivo68i $'ドライブが選択されなかったため、起動ディスクにドライブ名を書き込めませんでした。\nインストールは完了していません。' OK
drv msgbox-press OK
drv expect-text progress2.Button1 キャンセル
drv expect-text progress2.Label1 "ファイルをコピー中です。しばらくお待ち下さい。"
expect_patched_image 'C:\WINX68K\kivokidou.d88' E
drv click progress2.Button1
drv expect-msgbox 警告 "インストールを中断します。" OK
drv msgbox-press OK
drv wait-gone progress2
drv wait-gone foldersel3
drv expect-enabled Form1

# Without the emulator's folder the image cannot be had: the program's message, not finished.
rm -rf "$(unix_path 'C:\WINX68K')"
open_game_destination
start_game_install
drv --timeout 120 wait-window winsasi2
drv click winsasi2.Button1
drv expect-msgbox kivo68i 'ファイル C:\WINX68K\kivokidou.d88 は開けません' OK
drv msgbox-press OK
drv expect-text progress2.Button1 キャンセル
drv click progress2.Button1
drv msgbox-press OK インストールを中断します
drv wait-gone foldersel3
expect_no_file 'C:\WINX68K'
drv close Form1
expect_program_exit_code 0
