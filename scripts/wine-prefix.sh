#!/usr/bin/env bash
# Makes (or updates) a Wine prefix for running the Windows build: no Mono or
# Gecko installers, "Courier New" (the lists' font, which Wine lacks) drawn
# with Liberation Mono, and the screen at the given DPI.
# Usage: scripts/wine-prefix.sh PREFIX [DPI]   (DPI defaults to 96)
set -euo pipefail
prefix="$(realpath -m "${1:?usage: $0 PREFIX [DPI]}")"
dpi="${2:-96}"

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Wine 8 takes the DPI from the user's desktop settings (what winecfg's
# Graphics tab writes).
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ \
  /d 'Liberation Mono' /f >/dev/null 2>&1
wineserver -w
