#!/usr/bin/env bash
# The program on a real X display (Xvfb) under a window manager (openbox):
#   1. CentringTest: every window centred with its frame;
#   2. the installed-style binary started with Qt's own options, which must
#      not reach the toolkit: -qwindowtitle must not change the caption and
#      -stylesheet must not paint the window.
# Usage: test-desktop.sh KORVANEL CENTRING_TEST
set -euo pipefail

source "$(dirname "$0")/../../../scripts/lib/display.sh"

korvanel=$1
centring_test=$2
scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  stop_display
  rm -rf "$scratch"
}
trap cleanup EXIT
start_display --window-manager

export LANG=C.UTF-8 LC_ALL=C.UTF-8
QT_QPA_PLATFORM=xcb "$centring_test"

# Red everywhere, should the option reach Qt.
printf '* { background-color: #ff0000; }\n' >"$scratch/red.qss"
QT_QPA_PLATFORM=xcb "$korvanel" -qwindowtitle Hijacked -stylesheet "$scratch/red.qss" \
  >"$scratch/korvanel.log" 2>&1 &
pids+=($!)
if ! wait_until 20 sh -c 'xwininfo -root -tree | grep -q "\"Korvanel\""'; then
  echo "FAIL: no window captioned \"Korvanel\" came up"
  xwininfo -root -tree | grep '"' || true
  cat "$scratch/korvanel.log"
  exit 1
fi
sleep 0.5  # let the window paint
if xwininfo -root -tree | grep -q Hijacked; then
  echo "FAIL: -qwindowtitle changed the caption"
  exit 1
fi
import -window root "$scratch/screen.png"
red=$(convert "$scratch/screen.png" -alpha off -fill black +opaque "#ff0000" \
  -fill white -opaque "#ff0000" -format "%[fx:mean]" info:)
if [ "$red" != "0" ]; then
  echo "FAIL: -stylesheet painted the window (red share $red)"
  exit 1
fi
echo "PASS: Qt's options do not reach the toolkit"
