#!/usr/bin/env bash
# Runs a Windows test program in the project's Wine prefix (CMake's cross-compiling
# emulator). The prefix is made on first use.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
[ -f "$WINEPREFIX/system.reg" ] || "$here/wineprefix.sh" >&2
exec wine "$@"
