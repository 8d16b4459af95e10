#!/usr/bin/env bash
# Builds Korvanel and all its tests (installing what is missing) and runs the
# tests: the qt preset, in build/. With --sanitize the same tests are built
# into build-asan/ with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer: the qt-asan preset.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
preset=qt
if [ "${1:-}" = "--sanitize" ]; then preset=qt-asan; fi

# The preset switches the tests and benchmarks on again each time:
# scripts/run.sh turns them off in build/.
"$root/scripts/build.sh" "$preset"
cd "$root"
ctest --preset "$preset" --parallel "$(nproc)"
