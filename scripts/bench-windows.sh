#!/usr/bin/env bash
# Builds the Windows benchmarks (Release, scripts/build-windows.sh) and runs
# them under Wine on a virtual X screen with a window manager, in the Wine
# prefix of scripts/test-windows.sh (build-win/wine, 96 dpi), with one
# wineserver kept running for all the runs:
#  - start-up to the first painted window, N times each (default 20), of a
#    bare Win32 window (the yardstick) and of Korvanel;
#  - Compute with its list refill on the real main window.
# Then prints the size of build-win/korvanel.exe. Not part of CI.
# Usage: scripts/bench-windows.sh [N]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"
bench_dir="$build_dir/bench/win32"
rounds="${1:-20}"

if [ -z "${KORVANEL_ON_XVFB:-}" ]; then
  "$root/scripts/build-windows.sh" -- korvanel korvanel_startup bare_win32_startup \
    startup_driver compute_click_bench >/dev/null
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
# One wineserver for every run, as on Windows where the system is up
# before a program starts; stopped again at the end with the window manager.
# Wine's own services start with it, away from this script's output (they
# would hold a pipe open after the script ends).
wineserver -p
wineboot >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true; kill "$wm_pid" 2>/dev/null || true' EXIT

windows_path() { winepath -w "$1" 2>/dev/null; }
driver="$bench_dir/startup_driver.exe"
bare="$(windows_path "$bench_dir/bare_win32_startup.exe")"
korvanel="$(windows_path "$bench_dir/korvanel_startup.exe")"

echo "Start-up to the first painted window, $rounds runs each (medians):"
# The first round only warms the wineserver and the file cache.
wine "$driver" 1 "$bare" "$korvanel" >/dev/null
wine "$driver" "$rounds" "$bare" "$korvanel"
echo
wine "$bench_dir/compute_click_bench.exe"
echo
echo "build-win/korvanel.exe: $(stat -c %s "$build_dir/korvanel.exe") bytes"
