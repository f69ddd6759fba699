#!/usr/bin/env bash
# Measures the tool under Wine on this machine, each figure next to the same for an
# empty dialog program started the same way, and prints a Markdown table. Runs in a
# Wine prefix of its own under a private Xvfb, on a virtual desktop.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install.sh >&2
cmake --preset win32 >/dev/null
cmake --build --preset win32 >&2

export INSDEL_WINEPREFIX="$PWD/build/bench-prefix"
scripts/wineprefix.sh >&2
source scripts/wine-env.sh

unset DISPLAY  # always the private Xvfb, for figures that do not depend on the desktop
source scripts/wine-session.sh
start_wine_session 1024x768x24

tool=build/win32/SolneaInsDel.exe
empty=build/win32/tests/e2e/empty_dialog.exe
# The virtual desktop also spares each exit Wine's wait for a window manager.
out=$(wine explorer /desktop=bench,800x600 build/win32/tests/e2e/e2e_driver.exe --bench \
        "$(winepath -w "$tool")" "$(winepath -w "$empty")" </dev/null | tr -d '\r')
field() { echo "$out" | sed -n "s/^$1 .*$2=\([0-9]*\).*/\1/p"; }
grep -q '^rounds=' <<<"$out" || { echo "bench: the driver failed: $out" >&2; exit 1; }
rounds=$(echo "$out" | sed -n 's/^rounds=//p')

imports() { i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u; }
# Every one of these ships with Windows Vista and later.
vista='advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll version.dll'
check() {
  local bad=""
  for dll in $(imports "$1"); do [[ " $vista " == *" $dll "* ]] || bad+=" $dll"; done
  [ -z "$bad" ] && echo "all in Vista" || echo "NOT in Vista:$bad"
}
list() { imports "$1" | paste -sd ' ' | sed 's/ /, /g'; }

cat <<TABLE
| measure (Wine $(wine --version | sed 's/^wine-//'), median of $rounds) | SolneaInsDel.exe | empty dialog |
|---|---|---|
| process start to dialog shown | $(field shown_ms tool) ms | $(field shown_ms empty) ms |
| full run of all three, less the three 1 s pauses (empty: start to end) | $(field run_ms tool) ms | $(field run_ms empty) ms |
| peak working set | $(field peak_ws_kib tool) KiB | $(field peak_ws_kib empty) KiB |
| executable size | $(stat -c %s "$tool") bytes | $(stat -c %s "$empty") bytes |
| imported DLLs | $(list "$tool") ($(check "$tool")) | $(list "$empty") ($(check "$empty")) |
TABLE
