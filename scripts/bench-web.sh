#!/usr/bin/env bash
# Builds the browser side (scripts/build-web.sh) and runs the page's
# benchmarks in Debian's headless Chromium (bench/web/bench.js): what a first
# visit transfers, the start-up against its floor pages, the Compute click
# and memory over a thousand clicks. Not part of CI.
# Usage: scripts/bench-web.sh [ROUNDS]   (start-up rounds, 20 if left out)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/web.sh"

"$root/scripts/install-deps.sh" web-test
"$root/scripts/build-web.sh" >/dev/null
use_playwright
KORVANEL_SITE="$web_build_dir/site" node "$root/bench/web/bench.js" "${1:-20}"
