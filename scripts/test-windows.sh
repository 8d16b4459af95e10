#!/usr/bin/env bash
# Builds the Windows program and its tests (scripts/build-windows.sh) and
# runs the tests under Wine, on a virtual X screen with a window manager:
# the windows are real Win32 windows. The Wine prefix is build-win/wine
# (96 dpi); the geometry test runs once more in build-win/wine-144.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"

if [ -z "${KORVANEL_ON_XVFB:-}" ]; then
  "$root/scripts/build-windows.sh" >/dev/null
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env KORVANEL_ON_XVFB=1 "$0" "$@"
fi

# Wine waits for a window manager to take a window away; without one each
# window closes a second late.
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
trap 'kill "$wm_pid" 2>/dev/null || true' EXIT

export WINEDEBUG=-all
"$root/scripts/wine-prefix.sh" "$build_dir/wine" 96
export WINEPREFIX="$build_dir/wine"
ctest --test-dir "$build_dir" --output-on-failure "$@"
