#!/usr/bin/env bash
# Builds the Win32 runtime (the win32 preset, scripts/build-win32.sh) and
# runs its benchmarks under Wine, set up as scripts/test-win32.sh does: the
# prefix build-win32/wineprefix (scripts/lib/wine.sh, windows framed by Wine
# itself), a display of its own (Xvfb) and one persistent wineserver:
#  - start-up to the first painted window, N times each (default 20), of the
#    floor (Korvanel's main window written by hand in direct Win32 code,
#    against which the others are measured), a Win32 window with a label and
#    a list in report view, a bare Win32 window and Korvanel;
#  - Compute with its list refill on the real main window;
#  - Draw with its drawing and list refill on the real Fret Template window.
# Then prints the size of build-win32/korvanel.exe, and stops what it started.
# Not part of CI.
# Usage: scripts/bench-win32.sh [N]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win32"
bench_dir="$build_dir/bench/win32"
rounds="${1:-20}"

source "$root/scripts/lib/display.sh"
source "$root/scripts/lib/wine.sh"

"$root/scripts/install-deps.sh" win32-test
"$root/scripts/build-win32.sh" >/dev/null
use_wine_prefix "$build_dir/wineprefix"
# Every run meets a wineserver that is up, as a Windows program meets the
# system.
trap 'stop_wineserver; stop_display' EXIT
start_display
make_wine_prefix 96 --unmanaged
start_wineserver

windows_path() { winepath -w "$1" 2>/dev/null; }
driver="$bench_dir/startup_driver.exe"
floor="$(windows_path "$bench_dir/handwritten_win32_startup.exe")"
controls="$(windows_path "$bench_dir/controls_win32_startup.exe")"
bare="$(windows_path "$bench_dir/bare_win32_startup.exe")"
korvanel="$(windows_path "$bench_dir/korvanel_startup.exe")"

echo "Start-up to the first painted window, $rounds runs each (medians):"
# One round first, not counted: the wineserver and the file cache warm up.
wine "$driver" 1 "$floor" "$controls" "$bare" "$korvanel" >/dev/null
wine "$driver" "$rounds" "$floor" "$controls" "$bare" "$korvanel"
echo
wine "$bench_dir/compute_click_bench.exe"
echo
wine "$bench_dir/draw_click_bench.exe"
echo
echo "build-win32/korvanel.exe: $(stat -c %s "$build_dir/korvanel.exe") bytes"
