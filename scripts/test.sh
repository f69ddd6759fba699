#!/usr/bin/env bash
# Every test: installs what is missing, builds both presets, runs the native suite
# under the sanitizers and the Windows suite under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
start=$(date +%s)

scripts/install.sh

echo "== native: core and stand-ins, ASan and UBSan"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

scripts/analyse.sh

echo "== win32: the real executable and engine under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32
scripts/wineprefix.sh
source scripts/wine-env.sh
# Windows need an X server; a private Xvfb when none is given.
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do [ -e /tmp/.X11-unix/X$n ] || { display=":$n"; break; }; done
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
fi
# One server for the whole run, so that each Wine start is cheap. Its background
# services are started here, away from ctest's output pipes, which they would
# otherwise hold open.
wineserver -p
trap 'wineserver -k 2>/dev/null || true; [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --preset win32

echo "== all tests passed in $(( $(date +%s) - start )) s"
