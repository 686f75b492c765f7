# The FM versions in and out, with and without the CD, every byte checked; then
# the program killed mid-exchange: both sets stay whole and the next press
# finishes (or undoes) it. Large movies keep the copy window up.
music_install_edition 150000000
open_bonus_window
expect_window winsasi1 "kivo68i / KivoWin用おまけ" 333 253 Button1
drv expect-text winsasi1.Label1 "おまけモード：Windows版「Kivo」をお持ちの方へ"
drv expect-text winsasi1.Button1 "FM音源版をインストールする"
drv expect-text winsasi1.Button2 "オリジナルに戻す"
drv expect-text winsasi1.Button3 "終了"
shot music_winsasi1

# The copy window caught at the first large movie; its thread is busy copying,
# so the label is read from the window manager's copy of the text. The press
# waits until the watcher watches: the label moves on within a second.
rm -f "$KIVO_STATE/watching"
(wine "$KIVO_DRIVER_EXE" --timeout 90 --ready "Z:${KIVO_STATE//\//\\}\\watching" expect-caption winsasi3.Label2 \
  "$MUSIC_EDITION\\mp3\\kv17_gameover.mp3" >/dev/null 2>&1 && sleep 0.5 && shot music_winsasi3_copying) &
watcher=$!
await 30 "the watcher did not start" test -e "$KIVO_STATE/watching"
music_press Button1
wait "$watcher" || scenario_fail "the copy window was not seen"
drv expect-caption winsasi3 "kivo68i / Kivo68版おまけ　ファイルコピー"
drv expect-hidden winsasi3
music_expect_fm_in_use
expect_writable "$MUSIC_EDITION\\mp3\\kv01_title.mp3"
drv click winsasi1.Button1
answer_msgbox OK 情報 "すでにFM音源版に差し替えられています。"

music_press Button2 originals
drv click winsasi1.Button2
answer_msgbox OK 情報 "FM音源版に置き換えられていません。"

# The CD taken out, as far as the bonus can tell: its FM folder is gone.
mv "$KIVO_CD/sashikae" "$KIVO_CD/sashikae.away"
music_press Button1 fm
music_press Button2 originals
mv "$KIVO_CD/sashikae.away" "$KIVO_CD/sashikae"

# Closing hides the window; the main window shows the same one again.
drv click winsasi1.Button3
drv expect-hidden winsasi1
opens winsasi1 click Form1.BtnWinsasikae
music_press Button1

# Presses BUTTON and kills the program once the copy window shows PATH while the
# record says PHASE; the watch starts first, as the click waits for the window.
press_and_kill_while() {  # BUTTON PATH PHASE
  local watcher
  (
    drv --timeout 90 expect-caption winsasi3.Label2 "$2"
    grep -q "STATE=$3" "$(music_edition_dir)/backup.jnl" 2>/dev/null || scenario_fail "the record does not say $3"
    stop_program
  ) &
  watcher=$!
  wine "$KIVO_DRIVER_EXE" click "winsasi1.$1" >/dev/null 2>&1
  wait "$watcher" || scenario_fail "the program was not caught in $3"
}

# Killed while the saved originals are copied back over the FM versions.
press_and_kill_while Button2 "$MUSIC_EDITION\\backup\\mp3\\kv17_gameover.mp3" "swap 2 restore"
music_expect_set backup originals backup2 fm
open_bonus_window
music_finish_interrupted_swap

# Killed while the originals are saved into backup2\: undone, nothing to restore.
press_and_kill_while Button1 "$MUSIC_EDITION\\mp3\\kv17_gameover.mp3" "swap 1 save"
music_expect_set "" originals backup fm
open_bonus_window
drv click winsasi1.Button2
drv --timeout 120 msgbox-press OK "前回中断されたファイルの入れ替えを取り消しました。"
answer_msgbox OK 情報 "FM音源版に置き換えられていません。"
music_expect_originals_in_use

music_press Button1 fm
music_quit
