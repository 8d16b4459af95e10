#!/usr/bin/env bash
# Builds the Win32 runtime into build-win32/ (the win32 preset) and runs its tests as Windows
# programs under Wine: core and report tests, the resources read back, the
# real windows driven by their messages, and the GDI printer and print dialog
# printing into PostScript files that are read back with ghostscript and
# poppler. Installs what is missing.
#
# Wine runs headless on its own Xvfb display (scripts/lib/display.sh), in a
# prefix made once in build-win32/wineprefix (scripts/lib/wine.sh), with one
# persistent wineserver for all tests. Everything this script starts it stops
# again on exit.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win32"
source "$root/scripts/lib/display.sh"
# The Fret Template window at 144 dpi is 1380 pixels wide: Windows keeps a
# window within the screen's size.
export KORVANEL_SCREEN_SIZE=1600x1200
source "$root/scripts/lib/wine.sh"

"$root/scripts/install-deps.sh" win32-test

SECONDS=0
"$root/scripts/build-win32.sh"
echo "test-win32: built in ${SECONDS} s"

use_wine_prefix "$build_dir/wineprefix"
trap 'stop_wineserver; stop_display' EXIT
start_display
SECONDS=0
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  make_wine_prefix 96 --unmanaged
  echo "test-win32: Wine prefix made in ${SECONDS} s"
fi
# Wine's services start now, outside CTest.
start_wineserver

SECONDS=0
# The tests one after the other (the preset's): the print dialog tests look
# for the dialog of their own process among the display's windows, and share
# the printer.
cd "$root"
ctest --preset win32
echo "test-win32: tests ran in ${SECONDS} s"
