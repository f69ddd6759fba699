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

source scripts/wine-session.sh
start_wine_session 1024x768x24

out="$PWD/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
# A virtual desktop, so that Wine draws the window frames itself.
wine explorer /desktop=insdel,800x600 "$driver" --tour "$(winepath -w "$out")" </dev/null
for shot in main confirm final; do
  [ -f "$out/$shot.bmp" ] || { echo "run: no $shot screenshot" >&2; exit 1; }
  convert "$out/$shot.bmp" "$out/$shot.png"
  rm "$out/$shot.bmp"
done
echo "run: screenshots in $out: main.png, confirm.png, final.png"
