# shellcheck shell=bash
# For scenarios of the i686 build: source after lib.sh.

# Starts Q:\kivo68i.exe from Q:\ with the 32-bit loader itself. Handed to the
# 64-bit loader, a 32-bit program would run in its experimental mode, which
# draws no text here.
start_program() {
  local exe=${1:-'Q:\kivo68i.exe'}
  stop_program
  (cd "$KIVO_CD" && exec "$QEMU_LD_PREFIX/usr/lib/wine/wine" "$exe") >"$KIVO_STATE/program.log" 2>&1 &
  KIVO_PROGRAM_PID=$!
  echo "$KIVO_PROGRAM_PID" >"$KIVO_STATE/program.pid"
  e2e_note "started $exe with the 32-bit loader (pid $KIVO_PROGRAM_PID)"
}

# Under qemu a window can be shown before its thread is ready for input, and
# a click that arrives then is lost: wait until the thread of W answers, then
# act. The program's modal boxes run in the main window's thread.
click_when_ready() {
  drv --timeout 120 idle "${1%%.*}"
  drv click "$1"
}

msgbox_press_when_ready() {
  drv --timeout 120 msgbox "$2"
  drv --timeout 120 idle Form1
  drv --timeout 60 msgbox-press "$1" "$2"
}
