#!/usr/bin/env bash
# Prints the fret table through a real CUPS queue. Starts a private cupsd
# (its own configuration, spool and socket in a scratch folder, so the
# machine's print system is left alone) with one raw queue whose backend
# writes each job into a file, runs the print tests against it, and stops
# the daemon again. Needs root, as cupsd does; the tests are built by
# scripts/test.sh into build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build}"
test_binary="$build_dir/tests/cups/cups_print_tests"

if [ "$(id -u)" -ne 0 ]; then
  echo "cups-test: cupsd needs root; run as root (CI does)." >&2
  exit 1
fi
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
chown lp "$scratch/out"
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
echo $! >"$scratch/cupsd.pid"
export CUPS_SERVER="$scratch/cups.sock"
for _ in $(seq 50); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpadmin -p KorvanelTest -E -v "korvanelfile:$scratch/out/job.pdf" -m raw 2>/dev/null

export KORVANEL_CUPS_QUEUE=KorvanelTest
export KORVANEL_CUPS_OUTPUT="$scratch/out/job.pdf"
QT_QPA_PLATFORM=offscreen "$test_binary" && status=0 || status=$?
if [ "$status" -ne 0 ]; then tail -n 30 "$scratch/log/error_log" >&2; fi
exit "$status"
