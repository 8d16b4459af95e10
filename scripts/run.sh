#!/usr/bin/env bash
# Builds Korvanel (installing what is missing) and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -- korvanel
exec "$root/build/korvanel"
