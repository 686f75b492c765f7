#!/usr/bin/env bash
# The demo CD folder as a CD image a user can burn or mount: built with
# xorriso as the README says (ISO 9660 with Joliet names), then read back by
# readers that share no code with it: libarchive's bsdtar through the Joliet
# names alone (the names Windows shows), compared byte for byte with the
# folder, and isoinfo for the volume label. A long Japanese file name lies
# beside the CD's files, as a real CD may carry one.
#
#   tests/cd_image/run.sh DEMO_CD_TOOL PROGRAM_EXE
set -u
demo_cd_tool=${1:?demo_cd tool} program=${2:?program exe}
label=KIVO68
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  echo "0 passed, 1 failed"
  exit 1
}

start=$EPOCHREALTIME
cd_folder=$work/cd
"$demo_cd_tool" "$cd_folder" "$program" >/dev/null || fail "demo_cd could not write the CD folder"
# 67 characters: beyond the 64 that plain Joliet allows.
japanese_name='はじめにお読みください（Kivorana X68000版 デモCDの内容と、エミュレータとゲームのインストールの手順について）.txt'
printf 'デモCDの説明\r\n' >"$cd_folder/$japanese_name" || fail "cannot put the extra file beside the CD's"

image=$work/kivo68.iso
xorriso -as mkisofs -quiet -o "$image" -V "$label" -J -joliet-long -R -input-charset utf-8 "$cd_folder" \
  >"$work/xorriso.log" 2>&1 || fail "xorriso could not build the image: $(tail -3 "$work/xorriso.log")"

info=$(isoinfo -i "$image" -d 2>/dev/null)
volume=$(sed -n 's/^Volume id: //p' <<<"$info")
[[ $volume == "$label" ]] || fail "the image's volume label is '$volume', expected '$label'"
grep -q '^Joliet' <<<"$info" || fail "the image has no Joliet names"

read_back=$work/read-back
mkdir -p "$read_back"
bsdtar --options 'iso9660:!rockridge' -xf "$image" -C "$read_back" || fail "bsdtar could not read the image"
differences=$(diff -r "$cd_folder" "$read_back" 2>&1) || {
  echo "$differences" | head -10
  fail "the image read back through its Joliet names differs from the folder"
}

printf 'ok: %d files of %s (%d MiB) read back byte for byte through Joliet, label %s, in %.1f s\n' \
  "$(find "$read_back" -type f | wc -l)" "$(basename "$image")" "$(($(stat -c %s "$image") / 1048576))" "$volume" \
  "$(awk "BEGIN { print $EPOCHREALTIME - $start }")"
echo "1 passed, 0 failed"
