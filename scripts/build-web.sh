#!/usr/bin/env bash
# Builds Korvanel for web browsers with Debian's Emscripten (installing what
# is missing): the site in build-web/site/, ready for any static host, and
# the tests of the layers without a toolkit, for Node.js. Writes nothing
# outside build-web/: Emscripten's prebuilt libraries are used as the package
# has them (a frozen cache), its scratch files go to build-web/tmp/.
# Usage: scripts/build-web.sh [extra cmake arguments]
# KORVANEL_WARNINGS_AS_ERRORS=ON makes compiler warnings errors, as in
# scripts/build.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/web.sh"

"$root/scripts/install-deps.sh" web
use_emscripten

cmake -S "$root" -B "$web_build_dir" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten-wasm32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKORVANEL_WARNINGS_AS_ERRORS="${KORVANEL_WARNINGS_AS_ERRORS:-OFF}" \
  "$@" >/dev/null
cmake --build "$web_build_dir" --parallel "$(nproc)"
