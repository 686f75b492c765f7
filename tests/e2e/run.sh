#!/usr/bin/env bash
# Runs the end-to-end scenarios (all, or those named) in one fresh Wine prefix
# and prints "N passed, M failed" as its last line.
#   tests/e2e/run.sh [scenarios/NAME.sh ...]
set -u
# shellcheck source=lib.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib.sh"

scenarios=("$@")
((${#scenarios[@]})) || scenarios=("$E2E_DIR"/scenarios/*.sh)
trap e2e_teardown_suite EXIT
if ! e2e_setup_suite; then
  echo "0 passed, ${#scenarios[@]} failed"
  exit 1
fi
e2e_run_scenarios "" 300 "${scenarios[@]}"
