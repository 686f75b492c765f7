# The program killed in the middle of an exchange, as a power cut or the task
# manager would: both sets stay complete on disk, and the next press of either
# button finishes the exchange (or, before the edition folder changed, undoes it).

# Presses BUTTON, waits until the copy window shows PATH while the record says
# PHASE, then kills the program. The watch starts before the press, since the
# press itself waits a moment for the window to settle.
press_and_kill_while() {
  local button=$1 path=$2 phase=$3 watcher
  (
    drv --timeout 90 expect-caption winsasi3.Label2 "$path"
    grep -q "STATE=$phase" "$(music_edition_dir)/backup.jnl" 2>/dev/null ||
      scenario_fail "the record does not say $phase"
    stop_program
  ) &
  watcher=$!
  wine "$KIVO_DRIVER_EXE" click "winsasi1.$button" >/dev/null 2>&1
  wait "$watcher" || scenario_fail "the program was not caught in $phase"
}

# Large originals make the copies slow enough to be cut off.
music_install_edition 150000000
open_bonus_window
music_press Button1

# Killed while the saved originals are copied back over the FM versions.
press_and_kill_while Button2 'C:\Games\KivoWin\backup\mp3\kv17_gameover.mp3' "swap 2 restore"
music_expect_set backup originals
music_expect_set backup2 fm
open_bonus_window
music_finish_interrupted_swap
music_expect_originals_in_use

# Killed while the originals in use are saved into backup2\: undone, and the
# restore asked for then finds nothing to restore.
press_and_kill_while Button1 'C:\Games\KivoWin\mp3\kv17_gameover.mp3' "swap 1 save"
music_expect_set "" originals
music_expect_set backup fm
open_bonus_window
drv click winsasi1.Button2
drv --timeout 120 msgbox "前回中断されたファイルの入れ替えを取り消しました。"
drv msgbox-press OK
answer_msgbox OK 情報 "FM音源版に置き換えられていません。"
music_expect_originals_in_use

music_press Button1
music_expect_fm_in_use
music_quit
