#!/bin/sh
# Runs the Windows platform tests under Wine in a prefix of their own.
# Usage: tests/platform/run.sh <build dir with kivo_platform_tests.exe> [gtest options]
# Builds nothing. WINEPREFIX and DISPLAY are taken from the environment when set;
# Xvfb is started on DISPLAY when nothing answers there.
# The tests pass under both code pages they meet here: run with
# LC_ALL=ja_JP.UTF-8 (that locale must be installed on the host, or Wine cannot
# make Japanese file names) for the target's code page 932, or as is for 1252.
set -u
build_dir=${1:?usage: run.sh <build dir> [gtest options]}
shift
exe=$build_dir/kivo_platform_tests.exe
[ -f "$exe" ] || { echo "no $exe: build the Windows tree first" >&2; exit 2; }

export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/kivo-platform-tests-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=${DISPLAY:-:11}

xvfb_pid=
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in 1 2 3 4 5 6 7 8 9 10; do xdpyinfo >/dev/null 2>&1 && break; sleep 0.5; done
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  # A virtual desktop: without a window manager, Wine otherwise waits about
  # two seconds for every closed top-level window to be withdrawn.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wineserver -w
fi

wine "$exe" "$@"
status=$?

wineserver -k 2>/dev/null
[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
exit $status
