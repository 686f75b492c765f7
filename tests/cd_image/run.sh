#!/usr/bin/env bash
# The demo CD folder as a CD image a user can burn or mount: built with
# xorriso as the README says (ISO 9660 with Joliet names), then read back by
# readers that share no code with it: libarchive's bsdtar through the Joliet
# names alone (the names Windows shows), compared byte for byte with the
# folder, and isoinfo for the volume label. A long Japanese file name is mapped
# in beside the CD's files, as a real CD may carry one.
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

start=$(date +%s%N)
cd_folder=$work/cd
"$demo_cd_tool" "$cd_folder" "$program" >/dev/null || fail "demo_cd could not write the CD folder"
# 67 characters: beyond the 64 that plain Joliet allows.
japanese_name='はじめにお読みください（Kivorana X68000版 デモCDの内容と、エミュレータとゲームのインストールの手順について）.txt'
extra=$work/extra/$japanese_name
mkdir -p "$work/extra"
printf 'デモCDの説明\r\n' >"$extra"

image=$work/kivo68.iso
xorriso -as mkisofs -quiet -o "$image" -V "$label" -J -joliet-long -R -input-charset utf-8 \
  "$cd_folder" "$work/extra" >"$work/xorriso.log" 2>&1 ||
  fail "xorriso could not build the image: $(tail -3 "$work/xorriso.log")"

volume=$(isoinfo -i "$image" -d 2>/dev/null | sed -n 's/^Volume id: //p')
[[ $volume == "$label" ]] || fail "the image's volume label is '$volume', expected '$label'"
isoinfo -i "$image" -d 2>/dev/null | grep -q '^Joliet' || fail "the image has no Joliet names"

read_back=$work/read-back
mkdir -p "$read_back"
bsdtar --options 'iso9660:!rockridge' -xf "$image" -C "$read_back" || fail "bsdtar could not read the image"
cp "$extra" "$cd_folder/" || fail "cannot put the extra file beside the CD folder's"
differences=$(diff -r "$cd_folder" "$read_back" 2>&1) || {
  echo "$differences" | head -10
  fail "the image read back through its Joliet names differs from the folder"
}

files=$(find "$read_back" -type f | wc -l)
tenths=$((($(date +%s%N) - start) / 100000000))
printf 'ok: %d files of %s (%d MiB) read back byte for byte through Joliet, label %s, in %d.%d s\n' \
  "$files" "$(basename "$image")" "$(($(stat -c %s "$image") / 1048576))" "$volume" $((tenths / 10)) $((tenths % 10))
echo "1 passed, 0 failed"
