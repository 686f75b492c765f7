#!/usr/bin/env bash
# Runs the end-to-end scenarios (all, or those named) in one fresh Wine prefix
# and prints "N passed, M failed" as its last line.
#   tests/e2e/run.sh [scenarios/NAME.sh ...]
set -u
# shellcheck source=lib.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib.sh"
trap e2e_teardown_suite EXIT
(($#)) || set -- "$E2E_DIR"/scenarios/*.sh
e2e_suite "" 300 "$@"
