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

echo "== win32: the real executable and engine under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32
scripts/wineprefix.sh
source scripts/wine-env.sh
# One server for the whole run, so that each Wine start is cheap. Its background
# services are started here, away from ctest's output pipes, which they would
# otherwise hold open.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --preset win32

echo "== all tests passed in $(( $(date +%s) - start )) s"
