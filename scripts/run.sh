#!/usr/bin/env bash
# Builds Korvanel (installing what building and running it need, no test
# tools) and starts it. The tests are switched off here and back on by
# scripts/test.sh, which shares the build folder (the qt preset's build/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" --deps run qt -DKORVANEL_BUILD_TESTS=OFF -DKORVANEL_BUILD_BENCHMARKS=OFF -- korvanel
exec "$root/build/korvanel"
