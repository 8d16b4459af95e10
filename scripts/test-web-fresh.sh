#!/usr/bin/env bash
# The browser side on a fresh Debian 12 (bookworm: Emscripten 3.1.6, Node.js
# 18) and a fresh Debian 13 (trixie: Emscripten 3.1.69, Node.js 20), as a new
# user meets it: a throw-away minimal root of each (scripts/lib/debian-root.sh:
# cached, on a memory file system in a mount namespace of its own; this
# machine is not touched) gets a clone of the current commit, then runs
#  1. ./scripts/test-web.sh, which installs what is missing, builds and runs
#     the browser side's tests;
#  2. ./scripts/build-web.sh && ./scripts/serve-web.sh, the server left
#     running while Debian's Chromium and then Debian's firefox-esr, both
#     headless, open the page, press Compute, check its 27 rows and take a
#     screenshot (scripts/lib/page-after-compute.js), copied out to SHOTS
#     as chromium-SUITE.png and firefox-SUITE.png.
# KORVANEL_WARNINGS_AS_ERRORS is ON unless set otherwise: a new compiler's
# warnings are what this is for. Needs root (debootstrap, chroot, mounts);
# without it the run is skipped. Uncommitted changes are not part of the
# clone.
# Usage: scripts/test-web-fresh.sh [SHOTS] [SUITE...]
#   (build-web-fresh/ and bookworm trixie if left out)
set -euo pipefail
umask 022
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/debian-root.sh"
started=$SECONDS

say() { echo "test-web-fresh: $*"; }

skip_unless_root test-web-fresh "a fresh Debian root"
"$root/scripts/install-deps.sh" test

shots="$(mkdir -p "${1:-$root/build-web-fresh}" && cd "${1:-$root/build-web-fresh}" && pwd)"
shift || true
suites=("$@")
[ "${#suites[@]}" -gt 0 ] || suites=(bookworm trixie)

make_scratch korvanel-web-fresh
commit="$(git -C "$root" rev-parse HEAD)"
say "commit $commit"

for suite in "${suites[@]}"; do
  debian_root_tarball "$suite" "$scratch" || { say "FAILED: no Debian $suite root."; exit 1; }
  run_in_debian_root "$suite" "$scratch/root-$suite" "$root" "$commit" \
    "${KORVANEL_WARNINGS_AS_ERRORS:-ON}" "$suite" "$shots" <<'INSIDE' || { say "FAILED on $suite: see above."; exit 1; }
suite="$4"
shots="$5"
say() { echo "test-web-fresh ($suite): $*"; }
clone_korvanel "$1" "$2" "$3"
say "Debian $(in_root cat /etc/debian_version) ready"

SECONDS=0
in_korvanel ./scripts/test-web.sh
say "./scripts/test-web.sh passed in $SECONDS s"

SECONDS=0
# Not a package set of the program's: only this check opens Firefox.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  firefox-esr >/dev/null
say "firefox-esr installed in $SECONDS s"

SECONDS=0
in_korvanel bash -c '
  root="$PWD"
  source scripts/lib/display.sh
  source scripts/lib/web.sh
  port="$(python3 -c "import socket; s = socket.socket(); s.bind((\"127.0.0.1\", 0)); print(s.getsockname()[1])")"
  ./scripts/build-web.sh >/tmp/build-web.log 2>&1 || { cat /tmp/build-web.log; exit 1; }
  ./scripts/serve-web.sh "$port" >/tmp/serve-web.log 2>&1 &
  trap "kill $! 2>/dev/null" EXIT
  served() { python3 -c "import urllib.request; urllib.request.urlopen(\"http://127.0.0.1:$port/\")"; }
  wait_until 30 served || { cat /tmp/serve-web.log; exit 1; }
  use_playwright
  for browser in chromium firefox; do
    node scripts/lib/page-after-compute.js "$browser" "http://127.0.0.1:$port/" "/tmp/$browser.png"
  done'
for browser in chromium firefox; do
  cp "$chroot_dir/tmp/$browser.png" "$shots/$browser-$suite.png"
done
say "the page computed in Chromium and Firefox in $SECONDS s: $shots/{chromium,firefox}-$suite.png"
INSIDE
done
say "passed in $((SECONDS - started)) s"
