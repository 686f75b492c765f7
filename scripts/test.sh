#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: host unit
# tests and the include layers, the same tests under the sanitizers, each fuzz
# harness for a bounded time (KIVO_FUZZ_SECONDS, default 15), the CD image, the
# import tables of both builds, the platform tests under Wine, the end-to-end
# scenarios and the CD's i686 build under a 32-bit Wine. Ends with
# "N passed, M failed" and a non-zero exit status on any failure.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO" || exit 1

passed=0
failed=0
skipped=0
# Adds the counts of a runner's last line "N passed, M failed" (with
# ", K skipped" when it could not run them), or counts the whole run as one
# result when it printed none.
count_from() {
  local log=$1 status=$2 line
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed(, [0-9]+ skipped)?$' "$log" | tail -1)
  if [[ $line == *skipped ]]; then
    ((skipped += $(sed -E 's/.*, ([0-9]+) skipped$/\1/' <<<"$line")))
    line=${line%, *}
  fi
  if [[ -n $line ]]; then
    ((passed += ${line%% passed*}))
    line=${line#* passed, }
    ((failed += ${line%% failed*}))
    ((status != 0 && ${line%% failed*} == 0)) && ((++failed))
  elif ((status == 0)); then
    ((++passed))
  else
    ((++failed))
  fi
}

install_missing_packages && make_japanese_locale || exit 1
if ! build_all; then
  echo "the build failed"
  echo "0 passed, 1 failed"
  exit 1
fi

log_dir=$REPO/out/logs
mkdir -p "$log_dir"

echo "== host unit tests"
ctest --test-dir build-host --output-on-failure -j "$JOBS" >"$log_dir/unit.log" 2>&1
status=$?
tail -3 "$log_dir/unit.log"
summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log_dir/unit.log")
if [[ -n $summary ]]; then
  total=${summary##* out of }
  unit_failed=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
  ((passed += total - unit_failed, failed += unit_failed))
  ((status != 0 && unit_failed == 0)) && ((++failed))
else
  count_from "$log_dir/unit.log" "$status"
fi
((status != 0)) && grep -E 'Failed|\*\*\*' "$log_dir/unit.log" | head -20

echo "== include layers"
bash scripts/check_includes.sh >"$log_dir/includes.log" 2>&1
status=$?
cat "$log_dir/includes.log"
count_from "$log_dir/includes.log" "$status"

echo "== host unit tests and fuzz harnesses under the sanitizers"
if build_sanitized >"$log_dir/sanitize-build.log" 2>&1; then
  # One result for the whole sanitized unit run: its cases are counted above.
  ctest --test-dir build-sanitize --output-on-failure -j "$JOBS" >"$log_dir/sanitize-unit.log" 2>&1
  status=$?
  grep -E 'tests passed|ERROR: |runtime error|\*\*\*Failed|Exception' "$log_dir/sanitize-unit.log" | head -20
  count_from "$log_dir/sanitize-unit.log" "$status"
  bash tests/fuzz/run.sh build-sanitize "${KIVO_FUZZ_SECONDS:-15}" >"$log_dir/fuzz.log" 2>&1
  status=$?
  grep -vE '^[0-9]+ passed, [0-9]+ failed$' "$log_dir/fuzz.log"
  count_from "$log_dir/fuzz.log" "$status"
else
  tail -20 "$log_dir/sanitize-build.log"
  echo "the sanitized build failed"
  ((++failed))
fi

echo "== CD image"
bash tests/cd_image/run.sh build-host/tools/host/demo_cd/demo_cd build-win32/kivo68i.exe >"$log_dir/cd_image.log" 2>&1
status=$?
grep -E '^(ok|FAIL)' "$log_dir/cd_image.log"
count_from "$log_dir/cd_image.log" "$status"

echo "== import tables of both builds"
bash tests/imports/check.sh >"$log_dir/imports.log" 2>&1
count_from "$log_dir/imports.log" $?
cat "$log_dir/imports.log"

# One X display for everything that runs under Wine, on a display number Xvfb picks.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null' EXIT
read -r -t 30 display_number <"$fifo"
rm -f "$fifo"
export DISPLAY=:${display_number:-99} KIVO_E2E_DISPLAY=:${display_number:-99}

if [[ -f tests/platform/run.sh ]]; then
  echo "== platform tests under Wine"
  platform_prefix=${WINEPREFIX:-/tmp/kivo}-platform
  rm -rf "$platform_prefix"
  WINEPREFIX=$platform_prefix bash tests/platform/run.sh build-win64 >"$log_dir/platform.log" 2>&1
  status=$?
  grep -E '^\[  (PASSED|FAILED) ' "$log_dir/platform.log"
  # Lines from Windows end in CR LF.
  gtest_passed=$(tr -d '\r' <"$log_dir/platform.log" | sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\.$/\1/p' | tail -1)
  gtest_failed=$(tr -d '\r' <"$log_dir/platform.log" |
    sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:$/\1/p' | tail -1)
  if [[ -n $gtest_passed ]]; then
    ((passed += gtest_passed, failed += ${gtest_failed:-0}))
    ((status != 0 && ${gtest_failed:-0} == 0)) && ((++failed))
  else
    count_from "$log_dir/platform.log" "$status"
  fi
fi

echo "== end-to-end scenarios"
bash tests/e2e/run.sh 2>&1 | tee "$log_dir/e2e.log" | grep --line-buffered -E '^(=== |--- |FAIL|screenshots:|[0-9]+ passed)'
count_from "$log_dir/e2e.log" "${PIPESTATUS[0]}"

# The CD's i686 build under a 32-bit Wine, alone on the machine: it needs
# both cores while qemu translates it.
echo "== the i686 build under a 32-bit Wine"
bash tests/e2e/i686/run.sh 2>&1 | tee "$log_dir/e2e-i686.log" |
  grep --line-buffered -E '^(=== |--- |FAIL|SKIP|wine32: root|i686: |screenshots:|[0-9]+ passed)'
count_from "$log_dir/e2e-i686.log" "${PIPESTATUS[0]}"

echo "logs: $log_dir"
echo "time: $SECONDS s"
((skipped)) && echo "$skipped skipped (not counted as passed)"
echo "$passed passed, $failed failed"
((failed == 0))
