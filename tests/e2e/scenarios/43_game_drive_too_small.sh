# The game onto a 2 MiB drive: the need and the free space in MB, before any
# question or folder; the drive stays empty.
small=$KIVO_E2E_PREFIX/small-d
mkdir -p "$small"
mountpoint -q "$small" || mount -t tmpfs -o size=2m tmpfs "$small" ||
  scenario_fail "cannot mount a 2 MiB file system at $small (needs root)"
map_drive d "$small"
trap 'unmap_drive d; umount "$small"; rmdir "$small"' EXIT

# Each game file in whole 4 KiB clusters; the free space as the file system tells it.
needed=$("$KIVO_DEMO_CD_TOOL" --list |
  awk -F'\t' '$1 ~ /^kivo\\/ && $1 !~ /^kivo\\tools\\/ { n += int(($2 + 4095) / 4096) * 4096 } END { print n }')
free=$(($(stat -f -c '%a * %S' "$small")))
# "12.3 MB": tenths of 1,048,576 bytes, rounded up for the need, down for the free space.
# (Dividing by a power of two is exact in awk's floating point.)
megabytes() {
  awk -v bytes="$1" -v up="$2" 'BEGIN { t = bytes * 10 / 1048576; t = int(t) + (up && t > int(t)); printf "%d.%d MB", t / 10, t % 10 }'
}

start_main_window afresh
choose_game_drive_d
start_game_install
drv expect-msgbox エラー "インストール先（d:\\KIVO）のドライブの空き容量が足りません。
必要な容量：$(megabytes "$needed" 1)
空き容量：$(megabytes "$free" 0)
不要なファイルを削除して空き容量を増やすか、別のドライブを選んでください。" OK
shot game_drive_too_small
drv msgbox-press OK 空き容量
expect_run_over progress2 foldersel3
[[ -z $(ls -A "$small") ]] || scenario_fail "the small drive holds: $(ls -A "$small")"
expect_no_file 'C:\KIVO'
close_program
