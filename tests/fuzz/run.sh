#!/usr/bin/env bash
# Runs every fuzz harness for a bounded time, each from the seeds in
# tests/fuzz/corpus/<name> plus what earlier runs found (out/fuzz/<name>).
# Usage: tests/fuzz/run.sh <build dir with tests/fuzz> [seconds per harness, default 15]
# Prints libFuzzer's last line per harness (executions, coverage) and ends with
# "N passed, M failed"; an input that breaks a harness is kept in out/fuzz/findings.
set -u
build_dir=${1:?usage: run.sh <build dir> [seconds]}
seconds=${2:-15}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
work=$repo/out/fuzz
mkdir -p "$work/findings"

passed=0
failed=0
for name in journal marker profile_integer path_parts folder_text; do
  exe=$build_dir/tests/fuzz/${name}_fuzz
  log=$work/$name.log
  mkdir -p "$work/$name"
  if [[ ! -x $exe ]]; then
    echo "$name: no $exe"
    ((++failed))
    continue
  fi
  "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$work/findings/$name-" "$work/$name" "$here/corpus/$name" >"$log" 2>&1
  status=$?
  last=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)
  if ((status == 0)) && [[ -n $last ]]; then
    # "#2174768 DONE cov: 189 ft: 357 corp: 74/1102b lim: 4096 exec/s: 135923 rss: 491Mb"
    read -r runs _ _ cov _ features _ corpus _ _ _ speed _ <<<"$last"
    echo "$name: ${runs#\#} executions, cov: $cov, ft: $features, corpus: $corpus, exec/s: $speed"
    ((++passed))
  else
    echo "FAIL $name (exit $status):"
    grep -E 'property failed|ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -5
    ((++failed))
  fi
done
echo "$passed passed, $failed failed"
((failed == 0))
