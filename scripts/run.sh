#!/usr/bin/env bash
# Builds the tool and shows it with all three products installed, in a sandbox Wine
# prefix of its own (never the user's ~/.wine). With a display the tool opens there;
# without one a tour runs under a private Xvfb and leaves screenshots as PNG files.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32

export INSDEL_WINEPREFIX="$PWD/build/sandbox-prefix"
scripts/wineprefix.sh
source scripts/wine-env.sh
driver=build/win32/tests/e2e/e2e_driver.exe

if [ -n "${DISPLAY:-}" ]; then
  wine "$driver" --seed
  echo "run: the tool, in $WINEPREFIX"
  wine build/win32/SolneaInsDel.exe
  wineserver -w
  exit 0
fi

for n in $(seq 90 120); do [ -e /tmp/.X11-unix/X$n ] || { display=":$n"; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

out="$PWD/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
# A virtual desktop, so that Wine draws the window frames itself.
wine explorer /desktop=insdel,800x600 "$driver" --tour "$(winepath -w "$out")" </dev/null
wineserver -w
for shot in main confirm final; do
  [ -f "$out/$shot.bmp" ] || { echo "run: no $shot screenshot" >&2; exit 1; }
  convert "$out/$shot.bmp" "$out/$shot.png"
  rm "$out/$shot.bmp"
done
echo "run: screenshots in $out: main.png, confirm.png, final.png"
