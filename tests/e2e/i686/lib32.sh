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

# Under qemu a mouse click now and then goes astray: the program handles the
# pointer's X events seconds late. The helpers below click, let the program's
# thread settle, and click once more only when nothing changed, so a lost
# click is told from a click the program ignored (after three, it fails).

# Clicks W.C, a button that opens a modal window over W (W is then disabled).
click_opening_modal() {
  local window=${1%%.*} attempt
  for attempt in 1 2 3; do
    drv --timeout 120 idle "$window"
    drv click "$1"
    drv --timeout 120 idle "$window"
    wine "$KIVO_DRIVER_EXE" --timeout 1 expect-disabled "$window" >/dev/null 2>&1 && return 0
    e2e_note "$window is still enabled after the click on $1 (attempt $attempt)"
  done
  scenario_fail "$1 did nothing after three clicks"
}

# Clicks W.C, a button that hides W.
click_closing() {
  local window=${1%%.*} attempt
  for attempt in 1 2 3; do
    drv --timeout 120 idle Form1
    drv click "$1"
    drv --timeout 120 idle Form1
    wine "$KIVO_DRIVER_EXE" --timeout 1 wait-gone "$window" >/dev/null 2>&1 && return 0
    e2e_note "$window is still shown after the click on $1 (attempt $attempt)"
  done
  scenario_fail "$1 did nothing after three clicks"
}

# Presses BUTTON in the program's message box containing PART.
msgbox_press_when_ready() {
  local attempt
  drv --timeout 120 msgbox "$2"
  for attempt in 1 2 3; do
    drv --timeout 120 idle Form1
    wine "$KIVO_DRIVER_EXE" --timeout 10 msgbox-press "$1" "$2" 2>/dev/null && return 0
    drv --timeout 120 idle Form1
    wine "$KIVO_DRIVER_EXE" --timeout 1 msgbox "$2" >/dev/null 2>&1 || return 0
    e2e_note "the box with $2 stayed after $1 (attempt $attempt)"
  done
  scenario_fail "the box with $2 stayed after three presses of $1"
}

# Clicks W.C, a button that ends the program, and expects exit code 0.
click_quitting() {
  local attempt waited
  for attempt in 1 2 3; do
    drv --timeout 120 idle "${1%%.*}"
    drv click "$1"
    for ((waited = 0; waited < 300; ++waited)); do
      kill -0 "$KIVO_PROGRAM_PID" 2>/dev/null || break 2
      sleep 0.1
    done
    e2e_note "the program still runs after the click on $1 (attempt $attempt)"
  done
  expect_program_exit_code 0 5
}
