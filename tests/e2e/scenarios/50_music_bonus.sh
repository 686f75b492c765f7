# The music bonus end to end: install the FM versions from the CD, restore,
# install again and restore again without the CD, checking every byte each time.
# Large movies keep the copy window up long enough for its screenshot.
music_install_edition 150000000
open_bonus_window
drv expect-caption winsasi1 "kivo68i / KivoWin用おまけ"
drv expect-client-size winsasi1 333 253
drv expect-text winsasi1.Label1 "おまけモード：Windows版「Kivo」をお持ちの方へ"
drv expect-text winsasi1.Button1 "FM音源版をインストールする"
drv expect-text winsasi1.Button2 "オリジナルに戻す"
drv expect-text winsasi1.Button3 "終了"
drv expect-focus winsasi1.Button1
shot music_winsasi1

# The copy window caught while it backs up the first large movie (it shows
# the file done before). Its thread is busy copying, so the label is read
# from the window manager's copy of the text.
(wine "$KIVO_DRIVER_EXE" --timeout 90 expect-caption winsasi3.Label2 'C:\Games\KivoWin\mp3\kv17_gameover.mp3' \
  >/dev/null 2>&1 && sleep 0.5 && shot music_winsasi3_copying) &
watcher=$!
music_press Button1
wait "$watcher" || scenario_fail "the copy window was not seen"
drv expect-caption winsasi3 "kivo68i / Kivo68版おまけ　ファイルコピー"
drv expect-hidden winsasi3
music_expect_fm_in_use
expect_writable "$MUSIC_EDITION\\mp3\\kv01_title.mp3"
drv click winsasi1.Button1
answer_msgbox OK 情報 "すでにFM音源版に差し替えられています。"

music_press Button2
music_expect_originals_in_use
drv click winsasi1.Button2
answer_msgbox OK 情報 "FM音源版に置き換えられていません。"

# The CD taken out, as far as the bonus can tell: its FM folder is gone.
mv "$KIVO_CD/sashikae" "$KIVO_CD/sashikae.away"
music_press Button1
music_expect_fm_in_use
music_press Button2
music_expect_originals_in_use
mv "$KIVO_CD/sashikae.away" "$KIVO_CD/sashikae"

# Closing hides the window; the main window shows the same one again.
drv click winsasi1.Button3
drv expect-hidden winsasi1
drv click Form1.BtnWinsasikae
drv wait-window winsasi1
music_quit
