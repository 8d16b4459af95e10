#!/usr/bin/env bash
# Builds the Windows side into build-win/ and runs its tests as Windows
# programs under Wine: core and report tests, the resources read back, the
# real windows driven by their messages, and the GDI printer and print dialog
# printing into PostScript files that are read back with ghostscript and
# poppler. Installs what is missing.
#
# Wine runs headless on its own Xvfb display (scripts/lib/display.sh), in a
# prefix made once in build-win/wineprefix (scripts/lib/wine.sh), with one
# persistent wineserver for all tests. Everything this script starts it stops
# again on exit.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"
source "$root/scripts/lib/display.sh"
source "$root/scripts/lib/wine.sh"

"$root/scripts/install-deps.sh" windows-test

SECONDS=0
"$root/scripts/build-windows.sh"
echo "test-windows: built in ${SECONDS} s"

use_wine_prefix "$build_dir/wineprefix"
trap 'stop_wineserver; stop_display' EXIT
start_display
SECONDS=0
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  make_wine_prefix 96 --unmanaged
  echo "test-windows: Wine prefix made in ${SECONDS} s"
fi
# Wine's services start now, outside CTest.
start_wineserver

SECONDS=0
# The tests one after the other: the print dialog tests look for the dialog
# of their own process among the display's windows, and share the printer.
ctest --test-dir "$build_dir" --output-on-failure
echo "test-windows: tests ran in ${SECONDS} s"
