# shellcheck shell=bash
# The Windows edition the music bonus works on, installed into the prefix for
# the end-to-end scenarios: our own generated files at C:\Games\KivoWin, and
# its Start-menu shortcut made through IShellLinkW. Source after lib.sh.

MUSIC_EDITION='C:\Games\KivoWin'
MUSIC_LINK_TOOL=$KIVO_BUILD_WIN64/tools/windows/make_edition_link/make_edition_link.exe
MUSIC_ORIGINALS=$KIVO_STATE/music-originals

# The 20 entries of the replacement list, as "mp3/name.mp3", from the table the program is built with.
music_entries() {
  grep -o '"\(mp3\|movie\)\\\\[^"]*"' "$E2E_REPO/data/replacement_list.cpp" | tr -d '"' | sed 's/\\\\/\//'
}

music_edition_dir() { unix_path "$MUSIC_EDITION"; }

# Installs a fresh edition with random originals; MOVIE_BYTES sets the size of
# the two movies (large ones keep the copy window up long enough to be seen).
# A copy of the originals is kept outside the prefix to check bytes against.
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
  local dir
  dir=$(music_edition_dir)
  [[ -d $dir ]] && chmod -R u+w "$dir" && rm -rf "$dir"
  rm -rf "$MUSIC_ORIGINALS"
  wine "$MUSIC_LINK_TOOL" --remove >/dev/null 2>&1
}

# Every entry in a folder below the edition ("" for the edition itself, "backup",
# "backup2") has exactly the bytes of the set named: originals or fm (the CD's).
music_expect_set() {
  local sub=$1 set=$2 folder entry expected
  folder=$(music_edition_dir)${sub:+/$sub}
  while read -r entry; do
    if [[ $set == fm ]]; then expected=$KIVO_CD/sashikae/$entry; else expected=$MUSIC_ORIGINALS/$entry; fi
    [[ -f $expected ]] || expected=$KIVO_CD/sashikae.away/$entry
    cmp -s "$expected" "$folder/$entry" || scenario_fail "${sub:-edition} $entry is not the $set file"
  done < <(music_entries)
  e2e_note "ok: ${sub:-the edition folder} holds every $set file byte for byte"
}

music_expect_marker() {
  local ini
  ini=$(music_edition_dir)/mp3/kivomus.ini
  grep -q "^KIVOMUS=$1" "$ini" 2>/dev/null || scenario_fail "marker is not $1: $(cat "$ini" 2>/dev/null)"
  e2e_note "ok: marker $1"
}

music_expect_settled() {
  [[ ! -e $(music_edition_dir)/backup2 ]] || scenario_fail "backup2 is left"
  [[ ! -e $(music_edition_dir)/backup.jnl ]] || scenario_fail "the change record is left"
  e2e_note "ok: no backup2, no change record"
}

# The two settled states: the FM versions in use with the originals saved in
# backup\ (marker 1), or the originals in use with the FM versions kept there
# (marker 2); neither leaves backup2\ or a change record.
music_expect_fm_in_use() {
  music_expect_set "" fm
  music_expect_set backup originals
  music_expect_marker 1
  music_expect_settled
}

music_expect_originals_in_use() {
  music_expect_set "" originals
  music_expect_set backup fm
  music_expect_marker 2
  music_expect_settled
}

# Presses Button1 after an interrupted swap: the swap is finished and said so.
music_finish_interrupted_swap() {
  drv click winsasi1.Button1
  drv --timeout 120 msgbox "前回中断されたファイルの入れ替えを最後まで行いました。"
  drv msgbox-press OK
  drv idle winsasi1
}

# Presses a button of the bonus window and waits until the operation is over.
music_press() {
  drv click "winsasi1.$1"
  drv --timeout 120 wait-gone winsasi3
  drv --timeout 120 idle winsasi1
}

# The CD taken out, as far as the bonus can tell: its FM folder is gone.
music_take_out_cd() { mv "$KIVO_CD/sashikae" "$KIVO_CD/sashikae.away"; }
music_put_back_cd() { [[ -d $KIVO_CD/sashikae.away ]] && mv "$KIVO_CD/sashikae.away" "$KIVO_CD/sashikae"; }
