#!/usr/bin/env bash
# Runs every fuzz harness for a bounded time, each from the seeds in
# tests/fuzz/corpus/<name> plus what earlier runs found (out/fuzz/<name>).
# Usage: tests/fuzz/run.sh <build dir with tests/fuzz> [seconds per harness, default 15]
# Prints libFuzzer's last line per harness and ends with "N passed, M failed";
# an input that breaks a harness is kept in out/fuzz/findings.
set -u
build_dir=${1:?usage: run.sh <build dir> [seconds]}
seconds=${2:-15}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(cd "$here/../.." && pwd)/out/fuzz
mkdir -p "$work/findings"

passed=0
failed=0
for name in journal marker profile_integer path_parts folder_text; do
  log=$work/$name.log
  mkdir -p "$work/$name"
  "$build_dir/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$work/findings/$name-" "$work/$name" "$here/corpus/$name" >"$log" 2>&1
  status=$?
  last=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)
  if ((status == 0)) && [[ -n $last ]]; then
    echo "$name: $last"
    ((++passed))
  else
    echo "FAIL $name (exit $status):"
    grep -E 'property failed|ERROR|runtime error|SUMMARY|Test unit written|No such file' "$log" | head -5
    ((++failed))
  fi
done
echo "$passed passed, $failed failed"
((failed == 0))
