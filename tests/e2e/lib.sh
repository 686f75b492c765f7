# shellcheck shell=bash
# End-to-end harness: a fresh Wine prefix with Japanese fonts and a virtual
# desktop, the demo CD as drive Q:, the program started from it, and helpers
# that drive it through kivodrv.exe. Source this file; see README.md.

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
export LC_ALL=C.UTF-8

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

# --- The suite: display, prefix, CD -------------------------------------

# Starts Xvfb on a free display (Xvfb picks it) unless KIVO_E2E_DISPLAY names one.
e2e_start_display() {
  if [[ -n ${KIVO_E2E_DISPLAY:-} ]]; then
    export DISPLAY=$KIVO_E2E_DISPLAY
    xdpyinfo >/dev/null 2>&1 && return 0
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$KIVO_STATE/xvfb.pid"
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
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    ((++tries > 100)) && { echo "e2e: Xvfb did not start on $DISPLAY" >&2; return 1; }
    sleep 0.1
  done
}

# The prefix's settings as a .reg file. regedit reads UTF-16LE with a
# byte-order mark; a UTF-8 file would mangle the Japanese font names silently.
# With "demo" as second argument the prefix is for a person at a real display:
# no virtual desktop (their window manager draws the frames) and the manual
# opens in the real browser instead of the recorder.
e2e_write_registry_file() {
  local target=$1 purpose=${2:-test}
  {
    printf '\xff\xfe'
    {
      cat <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"q:"="cdrom"
REG
      [[ $purpose == demo ]] || cat <<'REG'

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_CLASSES_ROOT\.htm]
@="htmlfile"

[-HKEY_CLASSES_ROOT\htmlfile\shell\open\ddeexec]

[HKEY_CLASSES_ROOT\htmlfile\shell\open\command]
@="\"C:\\kivo-e2e\\open_recorder.exe\" \"%1\""
REG
    } | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE
  } >"$target"
}

# A new prefix with the settings above ("demo" as argument: see there).
e2e_make_prefix() {
  wineserver -k 2>/dev/null
  rm -rf "$KIVO_E2E_PREFIX"
  mkdir -p "$(dirname "$KIVO_E2E_PREFIX")"
  wineboot -i >/dev/null 2>&1 || { echo "e2e: wineboot failed" >&2; return 1; }
  wineserver -w
  mkdir -p "$KIVO_TEST_TOOLS"
  cp "$KIVO_RECORDER_EXE" "$KIVO_DRIVER_TARGET_EXE" "$KIVO_TEST_TOOLS/"
  e2e_write_registry_file "$KIVO_TEST_TOOLS/settings.reg" "${1:-test}"
  wine regedit /S 'C:\kivo-e2e\settings.reg' >/dev/null 2>&1
  wineserver -w
  ln -sfn ../cd "$KIVO_E2E_PREFIX/dosdevices/q:"
}

# Writes the demo CD (read-only files) into the prefix's drive Q:.
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
  e2e_make_prefix || return 1
  e2e_make_cd || return 1
  # A persistent wineserver keeps each driver call short.
  wineserver -p >/dev/null 2>&1
  export KIVO_E2E_DISPLAY=$DISPLAY
}

e2e_teardown_suite() {
  stop_program
  wineserver -k 2>/dev/null
  if [[ -f $KIVO_STATE/xvfb.pid ]]; then
    kill "$(cat "$KIVO_STATE/xvfb.pid")" 2>/dev/null
    rm -f "$KIVO_STATE/xvfb.pid"
  fi
}

# --- The program under test ----------------------------------------------

# Starts Q:\kivo68i.exe with Q:\ as its current folder, as from the CD.
# Optional argument: another Windows path of an exe to start the same way.
start_program() {
  local exe=${1:-'Q:\kivo68i.exe'}
  stop_program
  (cd "$KIVO_CD" && exec wine "$exe") >"$KIVO_STATE/program.log" 2>&1 &
  KIVO_PROGRAM_PID=$!
  echo "$KIVO_PROGRAM_PID" >"$KIVO_STATE/program.pid"
  e2e_note "started $exe (pid $KIVO_PROGRAM_PID)"
}

# Waits for the program to end (default 20 s); fails the scenario if it does
# not, else sets KIVO_PROGRAM_EXIT to its exit code.
wait_program_exit() {
  local timeout=${1:-20} waited=0
  while kill -0 "$KIVO_PROGRAM_PID" 2>/dev/null; do
    if ((waited >= timeout * 10)); then
      scenario_fail "the program did not end within ${timeout} s"
      return 1
    fi
    sleep 0.1
    ((++waited))
  done
  wait "$KIVO_PROGRAM_PID" 2>/dev/null
  KIVO_PROGRAM_EXIT=$?
  rm -f "$KIVO_STATE/program.pid"
  e2e_note "ok: the program ended with exit code $KIVO_PROGRAM_EXIT"
}

expect_program_exit_code() {
  wait_program_exit "${2:-20}" || return 1
  [[ $KIVO_PROGRAM_EXIT == "$1" ]] || scenario_fail "exit code $KIVO_PROGRAM_EXIT, expected $1"
}

# Ends a program left running by a scenario (also one started by an earlier scenario).
stop_program() {
  local pid
  [[ -f $KIVO_STATE/program.pid ]] || return 0
  pid=$(cat "$KIVO_STATE/program.pid")
  rm -f "$KIVO_STATE/program.pid"
  kill -0 "$pid" 2>/dev/null || return 0
  kill "$pid" 2>/dev/null
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null
}

# Chooses drive LETTER in chooser W's drive combo box by typing it into the open list.
#   pick_drive W LETTER
pick_drive() {
  drv idle "$1"
  drv click "$1.DriveComboBox1"
  drv idle "$1"
  drv key "$2" Enter
  drv idle "$1"
}

# Another program (Notepad) started and made the active window, in front of
# the program under test; close_other_program ends it.
open_other_program() {
  (cd "$KIVO_CD" && exec wine notepad) >/dev/null 2>&1 &
  other_program=$!
  drv wait-window 'Untitled - Notepad'
  drv activate 'Untitled - Notepad'
  drv expect-active 'Untitled - Notepad'
}
close_other_program() {
  drv close 'Untitled - Notepad'
  wait "$other_program" 2>/dev/null
}

# The main window's notice lines and buttons with their texts, in their order
# from top to bottom.
MAIN_NOTICE=("注意：このゲームをWindows上でプレイ" "するためには、X68000エミュレータ"
  "「WinX68k高速版」のインストールが" "必要です。")
MAIN_BUTTONS=(BtnManual BtnWin68inst BtnKivoinst BtnWinsasikae BtnSyuuryou)
MAIN_BUTTON_TEXTS=("マニュアル（HTML版）" "WinX68k高速版のインストール" "Kivo68版のインストール"
  "おまけ（Win版Kivoユーザー用）" "終了")

# --- Checks ----------------------------------------------------------------

# Marks the scenario failed, keeps a screenshot of the moment and ends the scenario.
scenario_fail() {
  echo "FAIL: $*" >&2
  shot "FAILED-${KIVO_SCENARIO:-scenario}" >/dev/null 2>&1
  exit 1
}

# One driver command that must succeed (its "ok: ..." line is shown). The
# driver always says what it did or why not; when it ends without a word,
# Wine did not run it through, and it is run once more.
# Its words go through a file: a Wine service the command happens to start
# keeps a pipe open, so reading one to its end would wait for ever.
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

# One driver command whose answer is wanted (printed without "ok: "); never fails the scenario.
drv_get() {
  local answer
  answer=$(wine "$KIVO_DRIVER_EXE" "$@" 2>/dev/null) || return 1
  printf '%s\n' "${answer#ok: }"
}

# A driver check that must fail, such as a window that must not appear.
drv_fails() {
  if wine "$KIVO_DRIVER_EXE" "$@" >/dev/null 2>&1; then scenario_fail "kivodrv $* held, expected it not to"; fi
  e2e_note "ok: as expected not: $*"
}

# Screenshot of the whole virtual desktop as out/screenshots/NAME.png.
shot() {
  import -display "$DISPLAY" -window root "$KIVO_SCREENSHOTS/$1.png" && e2e_note "screenshot $KIVO_SCREENSHOTS/$1.png"
}

# The Linux path of a Windows path in the prefix ("C:\Winx68k\x" -> .../drive_c/Winx68k/x),
# matching each part without regard to case as Windows does.
unix_path() {
  local windows=$1 drive rest path part match
  drive=$(printf '%s' "${windows:0:1}" | tr 'A-Z' 'a-z')
  rest=${windows:2}
  path=$(readlink -f "$KIVO_E2E_PREFIX/dosdevices/$drive:")
  IFS='\' read -r -a parts <<<"$rest"
  for part in "${parts[@]}"; do
    [[ -z $part ]] && continue
    if [[ -e $path/$part ]]; then
      path=$path/$part
    else
      match=$(find "$path" -maxdepth 1 -mindepth 1 -iname "$part" -print -quit 2>/dev/null)
      path=${match:-$path/$part}
    fi
  done
  printf '%s\n' "$path"
}

expect_file_exists() {
  [[ -f $(unix_path "$1") ]] || scenario_fail "no file $1"
  e2e_note "ok: $1 exists"
}

expect_no_file() {
  [[ ! -e $(unix_path "$1") ]] || scenario_fail "$1 exists"
  e2e_note "ok: $1 does not exist"
}

expect_folder_exists() {
  [[ -d $(unix_path "$1") ]] || scenario_fail "no folder $1"
  e2e_note "ok: folder $1 exists"
}

# The file at a Windows path has the bytes of the CD's file (CD-relative path, "kivo\KIVO.X").
expect_file_equals() {
  local source=$KIVO_CD/${1//\\//} target
  target=$(unix_path "$2")
  [[ -f $target ]] || scenario_fail "no file $2"
  cmp -s "$source" "$target" || scenario_fail "$2 differs from the CD's $1"
  e2e_note "ok: $2 equals the CD's $1"
}

# The byte at a position of a file, as a character ("Q") or hex ("0xE5").
expect_byte_at() {
  local target value
  target=$(unix_path "$1")
  value=$(od -An -tx1 -j "$2" -N1 "$target" | tr -d ' \n')
  local wanted=$3
  [[ $wanted == 0x* ]] && wanted=${wanted#0x} || wanted=$(printf '%02x' "'$wanted")
  [[ ${value,,} == "${wanted,,}" ]] || scenario_fail "byte $2 of $1 is 0x$value, expected 0x$wanted"
  e2e_note "ok: byte $2 of $1 is 0x$value"
}

# The FILE_ATTRIBUTE_READONLY of a file as Wine shows it: no write permission.
expect_read_only() {
  [[ $(stat -c %A "$(unix_path "$1")") != *w* ]] || scenario_fail "$1 is writable"
  e2e_note "ok: $1 is read-only"
}

expect_writable() {
  [[ $(stat -c %A "$(unix_path "$1")") == ?rw* ]] || scenario_fail "$1 is read-only"
  e2e_note "ok: $1 is writable"
}

# Lines the shell asked the .htm handler to open, since the suite began.
opened_documents() { [[ -f $KIVO_OPENED_LOG ]] && cat "$KIVO_OPENED_LOG"; }
forget_opened_documents() { rm -f "$KIVO_OPENED_LOG"; }

# Waits (up to 20 s) until the handler has been asked to open something; prints it.
wait_opened_document() {
  local waited=0
  until [[ -s $KIVO_OPENED_LOG ]]; do
    ((waited++ > 200)) && scenario_fail "the shell opened no document"
    sleep 0.1
  done
  cat "$KIVO_OPENED_LOG"
}

# Maps drive LETTER to a Linux folder (or to a missing one, for a drive without
# a disc) and restarts Wine's services: its mount manager reads the drives only
# when it starts, so a drive added while it runs would stay unseen. Ends a
# running program; call it before start_program. unmap_drive LETTER undoes it.
map_drive() {
  stop_program
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  ln -sfn "$2" "$KIVO_E2E_PREFIX/dosdevices/${1,,}:"
  wineserver -p >/dev/null 2>&1
}

unmap_drive() {
  stop_program
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -f "$KIVO_E2E_PREFIX/dosdevices/${1,,}:"
  wineserver -p >/dev/null 2>&1
}

# Removes what earlier runs installed, so a scenario starts from a clean machine.
forget_installations() {
  rm -rf "$(unix_path 'C:\Winx68k')" "$(unix_path 'C:\KIVO')"
  rm -f "$(unix_path 'C:\windows\kivo68i.ini')"
  find "$KIVO_E2E_PREFIX/drive_c/users" -iname 'winx68k.lnk' -delete 2>/dev/null
}
