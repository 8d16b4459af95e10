#!/usr/bin/env bash
# The README's commands on a fresh Debian 13 (trixie), as a new user meets
# them there: a throw-away minimal root (scripts/lib/debian-root.sh: cached,
# on a memory file system in a mount namespace of its own; this machine is
# not touched) gets a clone of the current commit, then runs
#  1. ./scripts/test.sh, which installs what is missing, builds and runs
#     every test;
#  2. ./scripts/run.sh on a virtual display, until the main window
#     "Korvanel" comes up;
#  3. ./scripts/test-win32.sh, which cross-builds the Windows side and runs
#     its tests under the release's Wine (10, where Debian 12 has Wine 8).
# KORVANEL_WARNINGS_AS_ERRORS is handed on, so CI sees the new compiler's
# warnings. Needs root (debootstrap, chroot, mounts); without it the run is
# skipped. Uncommitted changes are not part of the clone.
set -euo pipefail
umask 022
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/debian-root.sh"
started=$SECONDS

say() { echo "test-debian13: $*"; }

skip_unless_root test-debian13 "a fresh Debian root"
"$root/scripts/install-deps.sh" test

make_scratch korvanel-debian13

debian_root_tarball trixie "$scratch"
commit="$(git -C "$root" rev-parse HEAD)"
say "commit $commit"

run_in_debian_root trixie "$scratch/root" "$root" "$commit" \
  "${KORVANEL_WARNINGS_AS_ERRORS:-OFF}" <<'INSIDE' || { say "FAILED: see above."; exit 1; }
say() { echo "test-debian13: $*"; }
clone_korvanel "$1" "$2" "$3"
say "Debian $(in_root cat /etc/debian_version) ready"

SECONDS=0
in_korvanel ./scripts/test.sh
say "./scripts/test.sh passed in $SECONDS s"

# run.sh ends only with the program: watch for the main window, then close it.
SECONDS=0
in_korvanel bash -c '
  source scripts/lib/display.sh
  main_window_up() { xwininfo -root -tree | grep -qF "\"Korvanel\""; }
  trap "kill %1 2>/dev/null; stop_display" EXIT
  start_display
  ./scripts/run.sh >/tmp/run.log 2>&1 &
  wait_until 300 main_window_up && exit 0
  cat /tmp/run.log
  echo "no window captioned \"Korvanel\" came up"
  exit 1'
say "./scripts/run.sh showed the main window after $SECONDS s"

SECONDS=0
in_korvanel ./scripts/test-win32.sh
say "./scripts/test-win32.sh passed under $(in_root wine --version 2>/dev/null) in $SECONDS s"
INSIDE
say "passed in $((SECONDS - started)) s"
