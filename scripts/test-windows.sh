#!/usr/bin/env bash
# Builds the Windows side into build-win/ and runs its tests as Windows
# programs under Wine: core and report tests, the resources read back, and
# the GDI printer and print dialog printing into PostScript files that are
# read back with ghostscript and poppler. Installs what is missing.
#
# Wine runs headless on its own Xvfb display, in a prefix made once in
# build-win/wineprefix, with one persistent wineserver for all tests.
# Everything this script starts it stops again on exit.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"
source_dir="$root"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
missing=()
for p in wine64 wine fonts-wine fonts-liberation ghostscript poppler-utils xvfb xauth python3; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get -o DPkg::Lock::Timeout=900 update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 \
    install -y -q --no-install-recommends "${missing[@]}"
fi

SECONDS=0
"$root/scripts/build-windows.sh"
echo "test-windows: built in ${SECONDS} s"

export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installers, and no crash dialog: a crash exits non-zero.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64

xvfb_pid=""
cleanup() {
  # The wineserver of this prefix, with every Wine process it runs.
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# A display of our own: the first free number from 90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
# Large enough for the main window at 144 dpi (833 x 731 pixels inside).
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

# Without it every Wine program pays the server's start and its 3 s linger.
# Its output goes nowhere: whatever Wine starts in the background later keeps
# the descriptors it inherits, and CTest would wait for them to close.
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null

SECONDS=0
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 </dev/null
  # Wine's own fonts (MS Sans Serif, Fixedsys, ...) from fonts-wine, which
  # Debian's Wine 8 does not look for by itself.
  ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # Courier New is the printer's stand-in for Fixedsys; Liberation Mono (found
  # through fontconfig) has its metrics.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ \
    /d 'Liberation Mono' /f >/dev/null 2>&1 </dev/null
  # Without a window manager every closing window waits 2 s for one unless
  # Wine manages no window itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 </dev/null
  echo "test-windows: Wine prefix made in ${SECONDS} s"
else
  # Starts Wine's background services now, outside CTest (see above).
  wineboot >/dev/null 2>&1 </dev/null
fi

SECONDS=0
# The tests one after the other: the print dialog tests look for the dialog
# of their own process among the display's windows, and share the printer.
ctest --test-dir "$build_dir" --output-on-failure
echo "test-windows: tests ran in ${SECONDS} s"
