#!/usr/bin/env bash
# Makes (once) a Wine prefix for the Windows build as scripts/test-windows.sh
# makes build-win/wineprefix: no Mono or Gecko installers, Wine's own fonts
# (MS Sans Serif), "Courier New" drawn with Liberation Mono; then sets its
# screen DPI. With --unmanaged Wine frames its windows itself, for a display
# without window manager (the tests); without it a window manager does (the
# screenshots, under openbox).
# Usage: scripts/wine-prefix.sh PREFIX [DPI] [--unmanaged]   (DPI 96 by default)
set -euo pipefail
prefix="$(realpath -m "${1:?usage: $0 PREFIX [DPI] [--unmanaged]}")"
dpi="${2:-96}"
managed=Y
[ "${3:-}" = "--unmanaged" ] && managed=N

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
mkdir -p "$prefix"
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 </dev/null
  ln -sf /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ \
    /d 'Liberation Mono' /f >/dev/null 2>&1 </dev/null
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f \
  >/dev/null 2>&1 </dev/null
# Wine 8 takes the screen's DPI from here (winecfg's Graphics tab writes it);
# HKLM\...\Hardware Profiles\Current\Software\Fonts\LogPixels is not read.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1 </dev/null
wineserver -w
