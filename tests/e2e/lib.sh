# shellcheck shell=bash
# End-to-end harness: a fresh Wine prefix with the demo CD as drive Q:, and
# helpers that drive the program through kivodrv.exe. See README.md.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_REPO=$(cd "$E2E_DIR/../.." && pwd)
: "${KIVO_BUILD_HOST:=$E2E_REPO/build-host}"
: "${KIVO_BUILD_WIN64:=$E2E_REPO/build-win64}"
: "${KIVO_OUT:=$E2E_REPO/out}"
# Never the user's own prefix: a sibling of it that each suite recreates.
: "${KIVO_E2E_PREFIX:=${WINEPREFIX:-/tmp/kivo}-e2e}"
: "${KIVO_SCREENSHOTS:=$KIVO_OUT/screenshots}"
export KIVO_BUILD_HOST KIVO_BUILD_WIN64 KIVO_OUT KIVO_E2E_PREFIX KIVO_SCREENSHOTS

export WINEPREFIX=$KIVO_E2E_PREFIX
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 932, as the users' Windows has it (scripts/common.sh makes the locale).
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

KIVO_DRIVER_EXE=$KIVO_BUILD_WIN64/tools/windows/driver/kivodrv.exe
: "${KIVO_PROGRAM_EXE:=$KIVO_BUILD_WIN64/kivo68i.exe}"
KIVO_RECORDER_EXE=$KIVO_BUILD_WIN64/tools/windows/open_recorder/open_recorder.exe
KIVO_DRIVER_TARGET_EXE=$KIVO_BUILD_WIN64/tools/windows/driver_target/driver_target.exe
KIVO_DEMO_CD_TOOL=$KIVO_BUILD_HOST/tools/host/demo_cd/demo_cd
# The CD as the program sees it: a folder of the prefix mapped as drive Q:.
KIVO_CD=$KIVO_E2E_PREFIX/cd
KIVO_TEST_TOOLS=$KIVO_E2E_PREFIX/drive_c/kivo-e2e
KIVO_OPENED_LOG=$KIVO_TEST_TOOLS/opened.txt
KIVO_STATE=$KIVO_E2E_PREFIX.state

e2e_note() { printf '%s\n' "$*"; }

# Xvfb on a free display it picks, unless KIVO_E2E_DISPLAY names a running one.
e2e_start_display() {
  if [[ -n ${KIVO_E2E_DISPLAY:-} ]]; then
    export DISPLAY=$KIVO_E2E_DISPLAY
  else
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    echo $! >"$KIVO_STATE/xvfb.pid"
    read -r -t 20 number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=:$number
  fi
  xdpyinfo >/dev/null 2>&1 || { echo "e2e: no X display on $DISPLAY" >&2; return 1; }
}

e2e_make_prefix() {
  local for key name value
  wineserver -k 2>/dev/null
  rm -rf "$KIVO_E2E_PREFIX"
  mkdir -p "$(dirname "$KIVO_E2E_PREFIX")"
  wineboot -i >/dev/null 2>&1 || { echo "e2e: wineboot failed" >&2; return 1; }
  wineserver -w
  mkdir -p "$KIVO_TEST_TOOLS"
  cp "$KIVO_RECORDER_EXE" "$KIVO_DRIVER_TARGET_EXE" "$KIVO_TEST_TOOLS/"
  # The prefix's settings, a row each (Wine hands Japanese arguments over intact):
  # Japanese font names mapped to the IPA fonts and Q: a CD drive; unless for a
  # person at a real display ("demo"), a virtual desktop and the recorder as the
  # .htm handler. An empty value name is the key's default value.
  while IFS='|' read -r for key name value; do
    [[ $for == all || ${1:-test} != demo ]] || continue
    if [[ -z $name ]]; then wine reg add "$key" /ve /d "$value" /f; else wine reg add "$key" /v "$name" /d "$value" /f; fi
  done >/dev/null 2>&1 <<'SETTINGS'
all|HKCU\Software\Wine\Fonts\Replacements|ＭＳ Ｐゴシック|IPAPGothic
all|HKCU\Software\Wine\Fonts\Replacements|ＭＳ ゴシック|IPAGothic
all|HKCU\Software\Wine\Fonts\Replacements|MS PGothic|IPAPGothic
all|HKCU\Software\Wine\Fonts\Replacements|MS Gothic|IPAGothic
all|HKCU\Software\Wine\Fonts\Replacements|MS UI Gothic|IPAPGothic
all|HKLM\Software\Wine\Drives|q:|cdrom
test|HKCU\Software\Wine\Explorer|Desktop|Default
test|HKCU\Software\Wine\Explorer\Desktops|Default|1280x1024
test|HKCR\.htm||htmlfile
test|HKCR\htmlfile\shell\open\command||"C:\kivo-e2e\open_recorder.exe" "%1"
SETTINGS
  [[ ${1:-test} == demo ]] || wine reg delete 'HKCR\htmlfile\shell\open\ddeexec' /f >/dev/null 2>&1
  wineserver -w
  ln -sfn ../cd "$KIVO_E2E_PREFIX/dosdevices/q:"
}

e2e_make_cd() {
  if [[ -d $KIVO_CD ]]; then chmod -R u+w "$KIVO_CD" && rm -rf "$KIVO_CD"; fi
  "$KIVO_DEMO_CD_TOOL" "$KIVO_CD" "$KIVO_PROGRAM_EXE" >/dev/null
}

e2e_setup_suite() {
  local missing
  for missing in "$KIVO_DRIVER_EXE" "$KIVO_PROGRAM_EXE" "$KIVO_RECORDER_EXE" "$KIVO_DRIVER_TARGET_EXE" \
    "$KIVO_DEMO_CD_TOOL"; do
    [[ -e $missing ]] || { echo "e2e: $missing is not built" >&2; return 1; }
  done
  mkdir -p "$KIVO_STATE" "$KIVO_SCREENSHOTS"
  e2e_start_display || return 1
  "${KIVO_E2E_MAKE_PREFIX:-e2e_make_prefix}" || return 1
  e2e_make_cd || return 1
  # A persistent wineserver keeps each driver call short.
  wineserver -p >/dev/null 2>&1
  export KIVO_E2E_DISPLAY=$DISPLAY
}

e2e_teardown_suite() {
  stop_program
  wineserver -k 2>/dev/null
  [[ -f $KIVO_STATE/xvfb.pid ]] && kill "$(cat "$KIVO_STATE/xvfb.pid")" 2>/dev/null
  rm -f "$KIVO_STATE/xvfb.pid"
}

# Starts Q:\kivo68i.exe (or EXE) from Q:\, as from the CD, through KIVO_PROGRAM_LOADER
# (default: wine); with WINDOW, until that shows.
start_program() {  # [EXE [WINDOW]]
  local exe=${1:-'Q:\kivo68i.exe'}
  stop_program
  (cd "$KIVO_CD" && exec "${KIVO_PROGRAM_LOADER:-wine}" "$exe") >"$KIVO_STATE/program.log" 2>&1 &
  KIVO_PROGRAM_PID=$!
  echo "$KIVO_PROGRAM_PID" >"$KIVO_STATE/program.pid"
  e2e_note "started $exe (pid $KIVO_PROGRAM_PID)"
  [[ -z ${2:-} ]] || drv wait-window "$2"
}

# Runs COMMAND... every 0.1 s until it succeeds; after SECONDS the scenario fails with WHY.
await() {  # SECONDS WHY COMMAND...
  local polls=$(($1 * 10))
  until "${@:3}"; do
    ((polls-- > 0)) || scenario_fail "$2"
    sleep 0.1
  done
}

# Waits (default 20 s) for the program to end; sets KIVO_PROGRAM_EXIT.
wait_program_exit() {
  await "${1:-20}" "the program did not end within ${1:-20} s" eval '! kill -0 "$KIVO_PROGRAM_PID" 2>/dev/null'
  wait "$KIVO_PROGRAM_PID" 2>/dev/null
  KIVO_PROGRAM_EXIT=$?
  rm -f "$KIVO_STATE/program.pid"
}

expect_program_exit_code() {  # CODE [SECONDS]
  wait_program_exit "${2:-20}"
  expect_that "exit code $KIVO_PROGRAM_EXIT (expected $1)" "$KIVO_PROGRAM_EXIT" == "$1"
}

# Ends a program left running, also by an earlier scenario.
stop_program() {
  local pid
  [[ -f $KIVO_STATE/program.pid ]] || return 0
  pid=$(cat "$KIVO_STATE/program.pid")
  rm -f "$KIVO_STATE/program.pid"
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null
}

# Chooses drive LETTER in chooser W's combo box by typing it into the open list.
pick_drive() {
  drv idle "$1"
  drv click "$1.DriveComboBox1"
  drv idle "$1"
  drv key "$2" Enter
  drv idle "$1"
}

# Notepad started and made the active window, in front of the program under test.
open_other_program() {
  # In English: its caption names it.
  (cd "$KIVO_CD" && LANG=C.UTF-8 LC_ALL=C.UTF-8 exec wine notepad) >/dev/null 2>&1 &
  other_program=$!
  drv wait-window 'Untitled - Notepad'
  drv activate 'Untitled - Notepad'
  drv expect-active 'Untitled - Notepad'
}
close_other_program() {
  drv close 'Untitled - Notepad'
  wait "$other_program" 2>/dev/null
}

# The main window's notice lines and buttons, from top to bottom.
MAIN_NOTICE=("注意：このゲームをWindows上でプレイ" "するためには、X68000エミュレータ"
  "「WinX68k高速版」のインストールが" "必要です。")
MAIN_BUTTONS=(BtnManual BtnWin68inst BtnKivoinst BtnWinsasikae BtnSyuuryou)
MAIN_BUTTON_TEXTS=("マニュアル（HTML版）" "WinX68k高速版のインストール" "Kivo68版のインストール"
  "おまけ（Win版Kivoユーザー用）" "終了")

# Q:\kivo68i.exe started until its main window shows; "afresh": with no earlier installation.
start_main_window() {
  [[ ${1:-} != afresh ]] || forget_installations
  start_program 'Q:\kivo68i.exe' Form1
}

# The main window by its close box, or with "quit" by its quit button; the program ends with exit code 0.
close_program() {
  if [[ ${1:-} == quit ]]; then drv click Form1.BtnSyuuryou; else drv close Form1; fi
  expect_program_exit_code 0
}

# The main window as the program starts, the nine other windows made but hidden.
expect_main_window_at_start() {
  local i
  drv expect-caption Form1 "Kivorana X68000版"
  drv_each expect-hidden foldersel{1..4} progress{1,2} winsasi{1,3,2}
  for i in 0 1 2 3; do drv --timeout 2 expect-text "Form1.Label$((i + 1))" "${MAIN_NOTICE[i]}"; done
  for i in 0 1 2 3 4; do drv --timeout 2 expect-text "Form1.${MAIN_BUTTONS[i]}" "${MAIN_BUTTON_TEXTS[i]}"; done
  drv expect-focus Form1.BtnWin68inst
}

open_bonus_window() {
  start_main_window
  opens winsasi1 click Form1.BtnWinsasikae
}

opens() {  # WINDOW ACTION...: the driver action, then WINDOW shows
  drv "${@:2}"
  drv wait-window "$1"
}

# W shows CAPTION and a client area of WIDTH x HEIGHT; with C, C holds its focus.
expect_window() {  # W CAPTION WIDTH HEIGHT [C]
  drv expect-caption "$1" "$2"
  drv expect-client-size "$1" "$3" "$4"
  [[ -z ${5:-} ]] || drv expect-focus "$1.$5"
}

expect_front() {  # W.C: W is the active window, C holds its focus
  drv expect-active "${1%%.*}"
  drv expect-focus "$1"
}

drv_each() {  # COMMAND W...: the command for each window
  local window
  for window in "${@:2}"; do drv "$1" "$window"; done
}

# Clicks W.C, or with "close" W's close box; then W and each window after it are gone.
click_gone() {  # W.C [WINDOW...] | close W [WINDOW...]
  if [[ $1 == close ]]; then drv close "$2"; shift; else drv click "$1"; fi
  drv_each wait-gone "${1%%.*}" "${@:2}"
}

# A message box with exactly TITLE, TEXT and BUTTONS (default OK), answered with PRESS.
answer_msgbox() {  # PRESS TITLE TEXT [BUTTON...]
  local press=$1 text=$3
  (($# > 3)) || set -- "$@" OK
  drv expect-msgbox "${@:2}"
  drv msgbox-press "$press" "${text%%$'\n'*}"
}

answer_folder_question() {
  answer_msgbox "$1" 確認 "指定されたフォルダは存在しません。作成してよろしいですか？" "はい(&Y)" "いいえ(&N)"
}

# A run over: its progress window and destination dialog gone, the main window usable.
expect_run_over() {
  drv_each wait-gone "$1" "$2"
  drv expect-no-msgbox Form1
  drv expect-enabled Form1
}

# OK in progress window P of dialog D: the run is over.
close_run() {  # P D
  drv click "$1.Button1"
  expect_run_over "$1" "$2"
}

# Cancel in progress window P of dialog D that has not finished (after the
# program's message TEXT, answered): the warning, then the run is over.
interrupt_install() {  # P D [TEXT]
  [[ -z ${3:-} ]] || answer_msgbox OK kivo68i "$3"
  drv expect-text "$1.Button1" キャンセル
  drv click "$1.Button1"
  answer_msgbox OK 警告 "インストールを中断します。"
  expect_run_over "$1" "$2"
}

scenario_fail() {
  echo "FAIL: $*" >&2
  shot "FAILED-${KIVO_SCENARIO:-scenario}" >/dev/null 2>&1
  exit 1
}

# A test of test(1) that must hold; WHAT says what it means.   expect_that WHAT TEST...
expect_that() {
  test "${@:2}" || scenario_fail "not so: $1"
  e2e_note "ok: $1"
}

# One driver command that must succeed. The driver always says what it did
# or why not; when it ends without a word, Wine did not run it through, and it
# is run once more. Its words go through a file: a Wine service the command
# happens to start keeps a pipe open, so reading one would wait for ever.
drv() {
  local said status attempt
  said=$(mktemp "$KIVO_STATE/drv.XXXXXX")
  for attempt in 1 2; do
    wine "$KIVO_DRIVER_EXE" "$@" >"$said" 2>&1
    status=$?
    cat "$said"
    ((status == 0)) && break
    [[ -s $said ]] && break
    ((attempt == 1)) && e2e_note "kivodrv $1 ended with status $status and no word; running it again"
  done
  rm -f "$said"
  ((status == 0)) || scenario_fail "kivodrv $* (exit status $status)"
}

# A driver command's answer without "ok: "; never fails the scenario.
drv_get() {
  local answer
  answer=$(wine "$KIVO_DRIVER_EXE" "$@" 2>/dev/null) || return 1
  printf '%s\n' "${answer#ok: }"
}

shot() {
  import -display "$DISPLAY" -window root "$KIVO_SCREENSHOTS/$1.png" && e2e_note "screenshot $KIVO_SCREENSHOTS/$1.png"
}

# The Linux path of a Windows path in the prefix, each part matched without regard to case.
unix_path() {
  local drive=${1:0:1} path part match
  path=$(readlink -f "$KIVO_E2E_PREFIX/dosdevices/${drive,,}:")
  IFS='\' read -r -a parts <<<"${1:2}"
  for part in "${parts[@]}"; do
    [[ -z $part ]] && continue
    [[ -e $path/$part ]] || match=$(find "$path" -maxdepth 1 -mindepth 1 -iname "$part" -print -quit 2>/dev/null)
    path=${match:-$path/$part}
    match=
  done
  printf '%s\n' "$path"
}

expect_file_exists() { expect_that "$1 exists" -f "$(unix_path "$1")"; }
expect_no_file() { expect_that "$1 does not exist" ! -e "$(unix_path "$1")"; }
# Wine shows FILE_ATTRIBUTE_READONLY as no write permission (which root would not notice).
expect_writable() { expect_that "$1 is writable" -n "$(find "$(unix_path "$1")" -prune -perm -u=rw)"; }

# The file at a Windows path has the bytes of the CD's (CD-relative path, "kivo\KIVO.X").
expect_file_equals() {
  expect_file_exists "$2"
  cmp -s "$KIVO_CD/${1//\\//}" "$(unix_path "$2")" || scenario_fail "$2 differs from the CD's $1"
}

opened_documents() { [[ -f $KIVO_OPENED_LOG ]] && cat "$KIVO_OPENED_LOG"; }
forget_opened_documents() { rm -f "$KIVO_OPENED_LOG"; }

# The handler is asked (within 20 s) to open PATH, in any case.
expect_opened_document() {
  await 20 "the shell opened no document" test -s "$KIVO_OPENED_LOG"
  local opened
  opened=$(opened_documents)
  expect_that "opened '$opened', expected $1" "${opened,,}" == "${1,,}"
}

# Maps drive LETTER to a Linux folder (a missing one: a drive without a disc),
# or with no folder unmaps it, and restarts Wine's services: its mount manager
# reads the drives only when it starts. Ends a running program.
map_drive() {
  stop_program
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -f "$KIVO_E2E_PREFIX/dosdevices/${1,,}:"
  [[ -z ${2:-} ]] || ln -sfn "$2" "$KIVO_E2E_PREFIX/dosdevices/${1,,}:"
  wineserver -p >/dev/null 2>&1
}

unmap_drive() { map_drive "$1"; }

# Maps D: to a new folder, d_drive, holding the SUBFOLDERs named, until the scenario ends.
scratch_drive_d() {
  d_drive=$KIVO_E2E_PREFIX/scratch-d
  rm -rf "$d_drive"
  mkdir -p "$d_drive" "${@/#/$d_drive/}"
  map_drive d "$d_drive"
  trap 'unmap_drive d; rm -rf "$d_drive"' EXIT
}

# Removes what earlier runs installed. A fresh prefix links the desktop to the
# Linux home folder, which every prefix on the machine shares: this prefix gets
# a desktop of its own.
forget_installations() {
  local desktop=$KIVO_E2E_PREFIX/drive_c/users/$(id -un)/Desktop
  rm -rf "$(unix_path 'C:\Winx68k')" "$(unix_path 'C:\KIVO')"
  rm -f "$(unix_path 'C:\windows\kivo68i.ini')"
  [[ -L $desktop ]] && rm -f "$desktop"
  mkdir -p "$desktop"
  find "$KIVO_E2E_PREFIX/drive_c/users" -iname 'winx68k.lnk' -delete 2>/dev/null
}

# Makes the suite, then runs each scenario in a shell of its own, sourced after
# this file, within LIMIT seconds; the last line is "N passed, M failed".
e2e_suite() {  # LABEL LIMIT SCENARIO...
  local label=$1 limit=$2 scenario name started passed=0 failed=()
  shift 2
  if ! e2e_setup_suite; then
    echo "0 passed, $# failed"
    return 1
  fi
  for scenario; do
    name=$label$(basename "$scenario" .sh)
    echo "=== $name"
    started=$SECONDS
    if KIVO_SCENARIO=${name// /-} timeout --kill-after=10 "$limit" \
      bash -c 'source "$1" && source "$2"' _ "$E2E_DIR/lib.sh" "$scenario"; then
      echo "--- PASS $name ($((SECONDS - started)) s)"
      ((++passed))
    else
      echo "--- FAIL $name ($((SECONDS - started)) s)"
      failed+=("$name")
    fi
    stop_program
  done
  ((${#failed[@]})) && echo "failed: ${failed[*]}"
  echo "screenshots: $KIVO_SCREENSHOTS"
  echo "$passed passed, ${#failed[@]} failed"
  ((${#failed[@]} == 0))
}

for e2e_lib in emulator_lib.sh game_lib.sh music/edition.sh; do
  # shellcheck source=/dev/null
  source "$E2E_DIR/$e2e_lib"
done
