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
# Windows need an X server, and one wineserver serves the whole run.
source scripts/wine-session.sh
start_wine_session
ctest --preset win32

echo "== all tests passed in $(( $(date +%s) - start )) s"
