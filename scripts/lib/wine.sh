# Wine for the Windows build's tests, benchmarks, screenshots and packages.
# Sourced, not run.
#   use_wine_prefix PREFIX   exports Wine's environment for PREFIX: 64-bit,
#       quiet, no Mono or Gecko installers, no crash dialog (a crash exits
#       non-zero).
#   make_wine_prefix DPI [--unmanaged]   makes the prefix of use_wine_prefix
#       once: Wine's own fonts (MS Sans Serif, Fixedsys), "Courier New" drawn
#       with Liberation Mono; then sets its screen DPI and whether Wine frames
#       its windows itself (--unmanaged: no window manager on the display;
#       without it a window manager does). Ends with the prefix's wineserver.
#   start_wineserver   one persistent wineserver for the prefix, with Wine's
#       services started; stop_wineserver ends it and every Wine program.

use_wine_prefix() {
  # Absolute: Wine refuses a relative prefix.
  WINEPREFIX="$(realpath -m "$1")"
  export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
}

make_wine_prefix() {
  local dpi=$1 managed=Y
  [ "${2:-}" = --unmanaged ] && managed=N
  # Now and then Wine's first start of a prefix fails on a loaded machine;
  # a second try on a clean folder does not.
  if ! configure_wine_prefix "$dpi" "$managed"; then
    echo "wine: trying $WINEPREFIX once more" >&2
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    configure_wine_prefix "$dpi" "$managed"
  fi
}

# configure_wine_prefix DPI Y|N: the steps of make_wine_prefix; names the
# one that failed.
configure_wine_prefix() {
  local dpi=$1 managed=$2
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine_step "wineboot -i" wineboot -i || return 1
    # Debian's Wine 8 does not look for the fonts of fonts-wine by itself.
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    # Courier New is the printer's stand-in for Fixedsys; Liberation Mono
    # (found through fontconfig) has its metrics.
    wine_step "the Courier New replacement" wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
      /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f || return 1
  fi
  # Without a window manager every closing window waits 2 s for one unless
  # Wine manages no window itself.
  wine_step "the window management setting" wine reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Managed /t REG_SZ /d "$managed" /f || return 1
  # Wine 8 takes the screen's DPI from here (winecfg's Graphics tab writes
  # it); HKLM\...\Hardware Profiles\Current\Software\Fonts\LogPixels is not
  # read.
  wine_step "the DPI setting" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
    /t REG_DWORD /d "$dpi" /f || return 1
  wineserver -w
}

# wine_step WHAT COMMAND...: runs COMMAND quietly, saying WHAT failed.
wine_step() {
  local what=$1
  shift
  "$@" >/dev/null 2>&1 </dev/null && return 0
  local status=$?
  echo "wine: $what failed (exit $status) in $WINEPREFIX" >&2
  return 1
}

# Without it every Wine program pays the server's start and its 3 s linger.
# Its output goes nowhere: whatever Wine starts in the background keeps the
# descriptors it inherits, and a caller reading them (CTest) would wait for
# them to close.
start_wineserver() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wineboot >/dev/null 2>&1 </dev/null
}

stop_wineserver() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
}
