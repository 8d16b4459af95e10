#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) on this machine, checks it,
# and installs it into a fresh Debian 12 and a fresh Debian 13 made here, to
# see that its Depends line brings everything the program needs to run on
# both releases.
#
#  1. desktop-file-validate on the desktop entry and appstreamcli validate
#     --no-net on the AppStream metadata, both as the package ships them;
#     lintian on the package, where an error fails the run.
#  2. For Debian bookworm, then trixie: a throw-away root
#     (scripts/lib/debian-root.sh: minbase, cached, on a memory file system
#     in a mount namespace of its own). `apt-get install
#     --no-install-recommends ./korvanel_...deb` runs inside it: the
#     package's Depends alone must do. The machine running this never gets
#     the package.
#  3. The installed /usr/bin/korvanel is started headless there
#     (QT_QPA_PLATFORM=offscreen) and must still run after a few seconds.
#     It is started once more with the window probe of tests/qt/package
#     preloaded (LD_PRELOAD). The probe is no part of the package or the
#     program: it waits for the main window to be exposed, clicks Compute
#     and compares the 27 rows of the list with the table for 650 mm, then
#     ends the program with its verdict as exit code. This drives the very
#     binary that was packaged, stripped, against the Qt libraries that the
#     fresh system installed for the package; the probe itself needs only Qt
#     libraries that the program links too.
#  4. The package is purged again, which must leave none of its files.
#  Steps 3 and 4 run in each release's root.
#
# Needs root (debootstrap, chroot, mounts); without it the run is skipped.
# Any other failure fails.
set -euo pipefail
umask 022
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/debian-root.sh"
started=$SECONDS

say() { echo "test-package: $*"; }
fail() {
  say "FAILED: $*"
  exit 1
}

skip_unless_root test-package "installing into a fresh Debian root"

"$root/scripts/install-deps.sh" test
host_had_package=no
if dpkg-query -W -f='${Status}' korvanel 2>/dev/null | grep -q "install ok installed"; then
  host_had_package=yes
fi

# --- The package and its checks ---
deb="$("$root/scripts/package.sh" | tail -n 1)"
[ -f "$deb" ] || fail "scripts/package.sh made no package."
say "package: $deb"
"$root/scripts/build.sh" qt -- korvanel_window_probe
probe="$root/build/tests/qt/package/libkorvanel_window_probe.so"

make_scratch korvanel-test-package

dpkg-deb -x "$deb" "$scratch/contents"
desktop-file-validate "$scratch"/contents/usr/share/applications/*.desktop ||
  fail "desktop-file-validate rejects the desktop entry."
say "desktop-file-validate: the desktop entry is valid"
say "appstreamcli validate --no-net:"
appstreamcli validate --no-net "$scratch"/contents/usr/share/metainfo/*.metainfo.xml ||
  fail "appstreamcli rejects the AppStream metadata."
say "lintian:"
lintian_status=0
lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$scratch/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors (exit $lintian_status)."

# --- A fresh Debian of each release ---
for suite in bookworm trixie; do
  debian_root_tarball "$suite" "$scratch" || fail "no Debian $suite root."
  run_in_debian_root "$suite" "$scratch/root-$suite" "$suite" "$deb" "$probe" \
    "$((SECONDS - started))" <<'INSIDE' || fail "see above."
suite="$1"
cp "$2" "$3" "$chroot_dir/tmp/"
deb="/tmp/$(basename "$2")"
probe="/tmp/$(basename "$3")"
say() { echo "test-package: $suite: $*"; }
say "Debian root ready after $4 s"

in_root apt-get -q update >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
  >"$chroot_dir/tmp/install.log" 2>&1 || { tail -n 40 "$chroot_dir/tmp/install.log"; exit 1; }
say "installed: $(in_root dpkg-query -W -f='${Package} ${Version}' korvanel)," \
  "$(grep -c '^Setting up' "$chroot_dir/tmp/install.log") packages set up"
in_root test -x /usr/bin/korvanel

# The program alone: its window comes up and it keeps running.
status=0
in_root env QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/korvanel >"$chroot_dir/tmp/run.log" 2>&1 ||
  status=$?
if [ "$status" -ne 124 ]; then
  cat "$chroot_dir/tmp/run.log"
  say "the installed program ended by itself (exit $status) instead of running."
  exit 1
fi
say "the installed program ran headless for 5 s"

# Driven by the probe: Compute fills the list.
status=0
in_root env QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" timeout 60 /usr/bin/korvanel \
  >"$chroot_dir/tmp/probe.log" 2>&1 || status=$?
grep '^window-probe:' "$chroot_dir/tmp/probe.log" || true
if [ "$status" -ne 0 ] || ! grep -q '^window-probe: passed' "$chroot_dir/tmp/probe.log"; then
  cat "$chroot_dir/tmp/probe.log"
  say "the installed program failed the window probe (exit $status)."
  exit 1
fi

# Purged, it leaves none of its files.
files="$(in_root dpkg-query -L korvanel | while read -r path; do
  [ -f "$chroot_dir$path" ] && echo "$path"; done)" || true
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q korvanel >/dev/null
for path in $files; do
  if [ -e "$chroot_dir$path" ]; then
    say "$path is still there after purging the package."
    exit 1
  fi
done
say "purged: none of its $(echo "$files" | wc -w) files is left"
INSIDE
done

if [ "$host_had_package" = no ] && dpkg-query -W -f='${Status}' korvanel 2>/dev/null | grep -q "installed"; then
  fail "the package got installed on this machine."
fi
say "passed in $((SECONDS - started)) s"
