# A virtual X display for the scripts and tests that show windows. Sourced,
# not run.
#   start_display [--window-manager]   starts Xvfb (1280 x 1024, large enough
#       for the main window at 144 dpi, or KORVANEL_SCREEN_SIZE) on a free
#       display, waits for it and exports DISPLAY; with --window-manager also
#       openbox, waited for until it manages the screen.
#   stop_display                       stops what start_display started.
# A script that starts a display calls stop_display from its EXIT trap.

display_pids=()

start_display() {
  # Xvfb picks a free display itself and names it once it takes connections.
  local named
  named="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${KORVANEL_SCREEN_SIZE:-1280x1024}x24" -nolisten tcp 3>"$named" >/dev/null 2>&1 </dev/null &
  display_pids+=($!)
  wait_until 20 test -s "$named" || {
    rm -f "$named"
    echo "Xvfb did not start" >&2
    return 1
  }
  export DISPLAY=":$(head -n 1 "$named")"
  rm -f "$named"
  if [ "${1:-}" = --window-manager ]; then
    openbox --sm-disable >/dev/null 2>&1 </dev/null &
    display_pids+=($!)
    wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || {
      echo "openbox did not start" >&2
      return 1
    }
  fi
}

stop_display() {
  local pid
  for pid in "${display_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  display_pids=()
}

# wait_until SECONDS COMMAND...: polls every tenth of a second until COMMAND
# succeeds; fails when it never does.
wait_until() {
  local tries=$(($1 * 10))
  shift
  for ((try = 0; try < tries; try++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}
