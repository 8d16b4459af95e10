#!/usr/bin/env bash
# Builds Korvanel for web browsers with Debian's Emscripten (installing what
# is missing): the web preset, the site in build-web/site/, ready for any
# static host, and the tests of the layers without a toolkit, for Node.js.
# Writes nothing outside build-web/: the preset has Emscripten use its
# prebuilt libraries as the package has them (a frozen cache) and keep its
# scratch files in build-web/.
# Usage: scripts/build-web.sh [extra cmake arguments] [-- build targets]
# KORVANEL_WARNINGS_AS_ERRORS=ON makes compiler warnings errors, as in
# scripts/build.sh.
set -euo pipefail
exec "$(dirname "$0")/build.sh" web "$@"
