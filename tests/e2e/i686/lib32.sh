# shellcheck shell=bash
# For scenarios of the i686 build: source after lib.sh. Under qemu a mouse
# click now and then goes astray (the program handles the pointer's X events
# seconds late), so these click, let the program's thread settle, and click
# again only when nothing changed: a lost click is told from an ignored one.

# Clicks W.C until the driver check CHECK... holds, at most three times.
click_until() {
  local control=$1 attempt
  shift
  for attempt in 1 2 3; do
    drv --timeout 120 idle "${control%%.*}"
    drv click "$control"
    drv --timeout 120 idle Form1
    drv_get --timeout 1 "$@" >/dev/null && return 0
    e2e_note "$* does not hold after the click on $control (attempt $attempt)"
  done
  scenario_fail "$control did nothing after three clicks"
}

# Presses BUTTON in the program's message box containing PART.
msgbox_press_when_ready() {
  local attempt
  drv --timeout 120 msgbox "$2"
  for attempt in 1 2 3; do
    drv --timeout 120 idle Form1
    drv_get --timeout 10 msgbox-press "$1" "$2" >/dev/null && return 0
    drv --timeout 120 idle Form1
    drv_get --timeout 1 msgbox "$2" >/dev/null || return 0
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
