#!/usr/bin/env bash
# Screenshots of the page in Debian's headless Chromium: the main window at
# start and after "Compute", then with the Tension and Frequency window, then
# with the About window, then the message for a length too large; at 100%,
# 200% and 400% zoom, under forced colours, and on a phone's 390 x 844.
# Usage: scripts/screenshots-web.sh OUTPUT_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:?usage: $0 OUTPUT_DIR}")"
source "$root/scripts/lib/web.sh"

"$root/scripts/install-deps.sh" web-test
"$root/scripts/build-web.sh" >/dev/null
use_playwright
mkdir -p "$out"
KORVANEL_SITE="$web_build_dir/site" node "$root/scripts/lib/web-screenshots.js" "$out"
