#!/usr/bin/env bash
# Screenshots of the windows on a virtual X screen under a window manager
# (openbox), frames and title bars included: the main window after "Compute",
# then with the Tension and Frequency window, then with the About window.
# Usage: scripts/screenshots.sh OUTPUT_DIR [BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 OUTPUT_DIR [BUILD_DIR]}"
build="${2:-$root/build}"

source "$root/scripts/lib/display.sh"

"$root/scripts/build.sh" qt -B "$build" -- korvanel_screen_tour >/dev/null
mkdir -p "$out"
trap stop_display EXIT
start_display --window-manager
coproc TOUR { QT_QPA_PLATFORM=xcb "$build/tests/qt/korvanel_screen_tour"; }
tour_pid=$TOUR_PID
while read -r step <&"${TOUR[0]}"; do
  import -window root "$out/$step.png"
  echo "$step.png"
  echo >&"${TOUR[1]}"
done
wait "$tour_pid"
