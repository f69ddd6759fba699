#!/usr/bin/env bash
# Makes the project's isolated Wine prefix: win64, so that a 32-bit program sees the
# 32-bit registry view and "C:\Program Files (x86)"; Japanese locale (code page 932);
# no Mono or Gecko install dialogs; no crash dialog.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
if [ -f "$WINEPREFIX/system.reg" ]; then exit 0; fi
mkdir -p "$WINEPREFIX"
echo "wineprefix: creating $WINEPREFIX"
wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# The dialogs' Japanese fonts, from Debian's IPA fonts (Wine ships neither).
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1
wineserver -w
