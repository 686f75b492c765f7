#!/usr/bin/env bash
# Runs the end-to-end scenarios (all, or those named) in one fresh Wine prefix
# and prints "N passed, M failed" as its last line.
#   tests/e2e/run.sh [scenarios/NAME.sh ...]
set -u
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib.sh
source "$E2E_DIR/lib.sh"

scenarios=("$@")
((${#scenarios[@]})) || scenarios=("$E2E_DIR"/scenarios/*.sh)

trap e2e_teardown_suite EXIT
if ! e2e_setup_suite; then
  echo "0 passed, ${#scenarios[@]} failed"
  exit 1
fi

passed=0
failed=0
failed_names=()
for scenario in "${scenarios[@]}"; do
  name=$(basename "$scenario" .sh)
  echo "=== $name"
  # Each scenario runs in its own shell with a time limit; a failed check ends it.
  if KIVO_SCENARIO=$name timeout --kill-after=10 300 \
    bash -c 'source "$1" && source "$2"' _ "$E2E_DIR/lib.sh" "$scenario"; then
    echo "--- PASS $name"
    ((++passed))
  else
    echo "--- FAIL $name"
    ((++failed))
    failed_names+=("$name")
  fi
  stop_program
done

((failed)) && echo "failed: ${failed_names[*]}"
echo "screenshots: $KIVO_SCREENSHOTS"
echo "$passed passed, $failed failed"
((failed == 0))
