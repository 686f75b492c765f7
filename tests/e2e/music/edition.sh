# shellcheck shell=bash
# The Windows edition the music bonus works on: our own generated files at
# C:\ゲーム\Kivo Win (a Japanese name, as users' folders have) and its
# Start-menu shortcut (lib.sh sources this).

MUSIC_EDITION='C:\ゲーム\Kivo Win'
MUSIC_LINK_TOOL=$KIVO_BUILD_WIN64/tools/windows/make_edition_link/make_edition_link.exe
MUSIC_ORIGINALS=$KIVO_STATE/music-originals

# The 20 entries of the replacement list ("mp3/name.mp3") the program is built with.
music_entries() {
  grep -o '"\(mp3\|movie\)\\\\[^"]*"' "$E2E_REPO/data/replacement_list.cpp" | tr -d '"' | sed 's/\\\\/\//'
}

music_edition_dir() { unix_path "$MUSIC_EDITION"; }

# A fresh edition with random originals (kept outside the prefix to check
# against); MOVIE_BYTES sizes the two movies (large ones keep the copy window up).
music_install_edition() {
  local movie_bytes=${1:-2000000} dir entry size
  music_remove_edition
  dir=$(music_edition_dir)
  mkdir -p "$dir/mp3" "$dir/movie" "$MUSIC_ORIGINALS/mp3" "$MUSIC_ORIGINALS/movie"
  printf 'KivoWin\r\n' >"$dir/Kivo.exe"
  while read -r entry; do
    case $entry in
      *.avi) size=$movie_bytes ;;
      *.m3u) size=$((600 + RANDOM % 400)) ;;
      *) size=$((50000 + RANDOM * 3)) ;;
    esac
    head -c "$size" /dev/urandom >"$MUSIC_ORIGINALS/$entry"
    cp "$MUSIC_ORIGINALS/$entry" "$dir/$entry"
  done < <(music_entries)
  wine "$MUSIC_LINK_TOOL" "$MUSIC_EDITION\\Kivo.exe" >/dev/null || scenario_fail "the edition's shortcut was not made"
  e2e_note "ok: test edition installed at $MUSIC_EDITION with its Start-menu shortcut"
}

music_remove_edition() {
  chmod -R u+w "$(music_edition_dir)" 2>/dev/null
  rm -rf "$(music_edition_dir)" "$MUSIC_ORIGINALS"
  wine "$MUSIC_LINK_TOOL" --remove >/dev/null 2>&1
}

# Every entry in each folder below the edition named ("" for the edition itself,
# "backup", "backup2") has exactly the bytes of its set: originals or fm (the CD's).
music_expect_set() {  # FOLDER SET [FOLDER SET...]
  local folder entry expected
  folder=$(music_edition_dir)${1:+/$1}
  while read -r entry; do
    if [[ $2 == fm ]]; then expected=$KIVO_CD/sashikae/$entry; else expected=$MUSIC_ORIGINALS/$entry; fi
    [[ -f $expected ]] || expected=$KIVO_CD/sashikae.away/$entry
    cmp -s "$expected" "$folder/$entry" || scenario_fail "${1:-edition} $entry is not the $2 file"
  done < <(music_entries)
  e2e_note "ok: ${1:-the edition folder} holds every $2 file byte for byte"
  (($# < 3)) || music_expect_set "${@:3}"
}

music_expect_marker() {
  grep -q "^KIVOMUS=$1" "$(music_edition_dir)/mp3/kivomus.ini" 2>/dev/null || scenario_fail "marker is not $1"
  e2e_note "ok: marker $1"
}

# The two settled states: the FM versions in use, the originals in backup\
# (marker 1), or the other way round (marker 2); no backup2\, no change record.
music_expect_settled() {  # IN_USE MARKER SAVED
  music_expect_set "" "$1" backup "$3"
  music_expect_marker "$2"
  expect_that "no backup2" ! -e "$(music_edition_dir)/backup2"
  expect_that "no change record" ! -e "$(music_edition_dir)/backup.jnl"
}
music_expect_fm_in_use() { music_expect_settled fm 1 originals; }
music_expect_originals_in_use() { music_expect_settled originals 2 fm; }

# Button1 after an interrupted swap: the swap is finished and said so; the originals are in use.
music_finish_interrupted_swap() {
  drv click winsasi1.Button1
  drv --timeout 120 msgbox-press OK "前回中断されたファイルの入れ替えを最後まで行いました。"
  drv idle winsasi1
  music_expect_originals_in_use
}

# Presses a button of the bonus window; the operation ends without a box, with
# the SET named (fm, originals) in use.
music_press() {  # BUTTON [SET]
  drv click "winsasi1.$1"
  drv --timeout 120 wait-gone winsasi3
  drv --timeout 120 idle winsasi1
  drv expect-no-msgbox winsasi1
  [[ -z ${2:-} ]] || "music_expect_$2_in_use"
}

# A file of the user's own in backup\ keeps it when a swap ends: the three folder
# messages, then where each set is (screenshot SHOT).
music_answer_rename_blocked() {
  drv --timeout 120 msgbox "backup2のmp3フォルダ削除に失敗" >/dev/null
  answer_msgbox OK kivo68i "backup2のmp3フォルダ削除に失敗"
  answer_msgbox OK kivo68i "backup2フォルダ削除に失敗"
  answer_msgbox OK kivo68i "backup2→backupフォルダリネームに失敗"
  drv msgbox "backup2フォルダにあります"
  [[ -z ${1:-} ]] || shot "$1"
  drv msgbox-press OK "backup2フォルダにあります"
}

# The bonus window closed, then the program by its quit button; the edition removed.
music_quit() {
  drv click winsasi1.Button3
  close_program quit
  music_remove_edition
}
