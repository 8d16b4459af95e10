#!/usr/bin/env bash
# Screenshots of korvanel.exe under Wine on a virtual X screen with a window
# manager (openbox), frames and title bars included: the main window after
# "Compute", then with the Tension and Frequency window, then with the About
# window. korvanel_drive (tests/win32/ScreenDriver.cpp) clicks and chooses
# the menu items.
# Usage: scripts/screenshots-win32.sh OUTPUT_DIR [DPI]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:?usage: $0 OUTPUT_DIR [DPI]}")"
dpi="${2:-96}"
build="$root/build-win32"

source "$root/scripts/lib/display.sh"
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
drive menu Korvanel 0 1  # File > Exit
wait "$program_pid"
