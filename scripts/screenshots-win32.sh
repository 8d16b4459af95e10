#!/usr/bin/env bash
# Screenshots of korvanel.exe under Wine on a virtual X screen with a window
# manager (openbox), frames and title bars included: the main window after
# "Compute", then with the Tension and Frequency window, then with the About
# window, then the Fret Template window for 650 mm and for a fanned
# 686/648 mm board square at fret 8, each in millimetres and in inches.
# korvanel_drive (tests/win32/ScreenDriver.cpp) clicks, types, picks and
# chooses the menu items. The template's pages that scripts/test-win32.sh
# printed, where there are any, go through ps2pdf and pdftoppm into
# OUTPUT_DIR/pages-*.png.
# Usage: scripts/screenshots-win32.sh OUTPUT_DIR [DPI]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:?usage: $0 OUTPUT_DIR [DPI]}")"
dpi="${2:-96}"
build="$root/build-win32"

source "$root/scripts/lib/display.sh"
# The Fret Template window at 144 dpi is 1380 pixels wide: Windows keeps a
# window within the screen's size.
export KORVANEL_SCREEN_SIZE=1600x1200
source "$root/scripts/lib/wine.sh"

"$root/scripts/install-deps.sh" win32-test
"$root/scripts/build-win32.sh" >/dev/null
mkdir -p "$out"
# A prefix of its own: here openbox frames the windows (Wine manages them).
prefix="$build/wineprefix-shots"
[ "$dpi" = 96 ] || prefix="$build/wineprefix-shots-$dpi"
use_wine_prefix "$prefix"
trap 'stop_wineserver; stop_display' EXIT
start_display --window-manager
make_wine_prefix "$dpi"

wine "$build/korvanel.exe" &
program_pid=$!

drive() { wine "$build/tests/win32/korvanel_drive.exe" "$@"; }
shot() {
  sleep 1
  import -window root "$out/$1.png"
  echo "$1.png"
}

drive wait Korvanel
shot start
drive click Korvanel Compute
shot main
drive menu Korvanel 1 0  # ? > Tension and Frequency
drive wait "Frequency and Tension"
shot tension
drive menu Korvanel 1 1  # ? > About
drive wait About
shot about
drive menu Korvanel 0 1  # File > Fret Template...
drive wait "Fret Template"
shot template-650mm
# The units changed, then the board drawn in them.
in_units() {
  drive pick "Fret Template" Units "$1"
  drive click "Fret Template" Draw
}
in_units 1
shot template-650mm-inches
in_units 0
drive type "Fret Template" "Scale length, bass side" 686
drive type "Fret Template" "Scale length, treble side" 648
drive type "Fret Template" "Perpendicular fret" 8
drive click "Fret Template" Draw
shot template-686-648mm
in_units 1
shot template-686-648mm-inches
drive click "Fret Template" Close
drive menu Korvanel 0 2  # File > Exit
wait "$program_pid"

for printout in "$build"/tests/win32/printouts/*-win32.ps; do
  [ -f "$printout" ] || continue
  name="$(basename "$printout" -win32.ps)"
  ps2pdf "$printout" "$out/$name.pdf"
  pdftoppm -png -r 40 "$out/$name.pdf" "$out/pages-$name"
  rm "$out/$name.pdf"
  echo "pages-$name-*.png"
done
