#!/usr/bin/env bash
# Screenshots of the windows on a virtual X screen under a window manager
# (openbox), frames and title bars included: the main window after "Compute",
# then with the Tension and Frequency window, then with the About window.
# Usage: scripts/screenshots.sh OUTPUT_DIR [BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 OUTPUT_DIR [BUILD_DIR]}"
build="${2:-$root/build}"

if [ -z "${KORVANEL_ON_XVFB:-}" ]; then
  "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DKORVANEL_BUILD_TESTS=ON -- korvanel_screen_tour >/dev/null
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env KORVANEL_ON_XVFB=1 "$0" "$out" "$build"
fi

mkdir -p "$out"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
trap 'kill "$wm_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
coproc TOUR { QT_QPA_PLATFORM=xcb "$build/tests/qt/korvanel_screen_tour"; }
tour_pid=$TOUR_PID
while read -r step <&"${TOUR[0]}"; do
  import -window root "$out/$step.png"
  echo "$step.png"
  echo >&"${TOUR[1]}"
done
wait "$tour_pid"
