#!/usr/bin/env bash
# Prints the fret table through a real CUPS queue. Starts a private cupsd
# (its own configuration, spool and socket in a scratch folder, so the
# machine's print system is left alone) with one raw queue whose backend
# writes each job into a file, runs the print tests against it, and stops
# the daemon again. Needs root, as cupsd does; the tests are built by
# scripts/test.sh into build/.
#
# A print system that cannot be brought up here (no root, a daemon that does
# not start or answer, a queue that cannot be added) is reported as skipped
# with its reason and the daemon's log; a failing print test fails the run.
set -euo pipefail
# cupsd refuses to run a backend from a folder that others can write to.
umask 022
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build}"
test_binary="$build_dir/tests/qt/cups/cups_print_tests"

say() { echo "test-cups: $*"; }
skip() {
  say "skipped: $*"
  if [ -n "${scratch:-}" ] && [ -f "$scratch/log/error_log" ]; then
    say "the daemon's log ends:"
    tail -n 30 "$scratch/log/error_log"
  fi
  exit 0
}

if [ "$(id -u)" -ne 0 ]; then skip "cupsd needs root; run as root (CI does)."; fi
"$root/scripts/install-deps.sh"
[ -x "$test_binary" ] || cmake --build "$build_dir" --target cups_print_tests

scratch="$(mktemp -d /tmp/korvanel-cups.XXXXXX)"
chmod 755 "$scratch"
cleanup() {
  if [ -f "$scratch/cupsd.pid" ]; then
    kill "$(cat "$scratch/cupsd.pid")" 2>/dev/null || true
    wait "$(cat "$scratch/cupsd.pid")" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

mkdir -p "$scratch"/{spool,cache,state,log,out,bin/backend}
# The backend runs as lp and writes the job here.
chown lp "$scratch/out" 2>/dev/null || chmod 1777 "$scratch/out"
for part in cgi-bin daemon filter notifier driver monitor; do
  if [ -e "/usr/lib/cups/$part" ]; then ln -s "/usr/lib/cups/$part" "$scratch/bin/$part"; fi
done
# The backend keeps each job as it arrived: Qt sends PDF to a raw queue, so
# the file can be read back with poppler's tools.
cat >"$scratch/bin/backend/korvanelfile" <<'EOF'
#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct korvanelfile "Unknown" "Korvanel test output file"'; exit 0; fi
out="${DEVICE_URI#korvanelfile:}"
if [ -n "$6" ]; then cat "$6" >"$out.part"; else cat >"$out.part"; fi || exit 1
mv "$out.part" "$out"
EOF
chmod 755 "$scratch/bin/backend/korvanelfile"

cat >"$scratch/cupsd.conf" <<EOF
Listen $scratch/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$scratch/cups-files.conf" <<EOF
ServerRoot $scratch
ServerBin $scratch/bin
RequestRoot $scratch/spool
CacheDir $scratch/cache
StateDir $scratch/state
TempDir $scratch/spool
ErrorLog $scratch/log/error_log
AccessLog $scratch/log/access_log
PageLog $scratch/log/page_log
SystemGroup root
User lp
Group lp
EOF

/usr/sbin/cupsd -f -c "$scratch/cupsd.conf" -s "$scratch/cups-files.conf" &
cupsd_pid=$!
echo "$cupsd_pid" >"$scratch/cupsd.pid"
export CUPS_SERVER="$scratch/cups.sock"
started=$SECONDS
# lpstat -r exits 0 whether or not the scheduler runs: read what it says.
until LC_ALL=C lpstat -r 2>/dev/null | grep -q 'scheduler is running'; do
  kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd stopped while starting."
  [ $((SECONDS - started)) -lt 60 ] || skip "cupsd did not answer within 60 s."
  sleep 0.2
done
say "cupsd answered after $((SECONDS - started)) s."
device="korvanelfile:$scratch/out/job.pdf"
if ! added="$(lpadmin -p KorvanelTest -E -v "$device" -m raw 2>&1)"; then
  skip "the test queue could not be added: $added"
fi

export KORVANEL_CUPS_QUEUE=KorvanelTest
export KORVANEL_CUPS_DEVICE="$device"
export KORVANEL_CUPS_OUTPUT="$scratch/out/job.pdf"
# Line-buffered, so that a test that dies still shows how far it got.
QT_QPA_PLATFORM=offscreen stdbuf -oL -eL "$test_binary" && status=0 || status=$?
if [ "$status" -ne 0 ]; then
  say "the print tests failed (exit $status); the daemon's log ends:"
  tail -n 30 "$scratch/log/error_log"
fi
exit "$status"
