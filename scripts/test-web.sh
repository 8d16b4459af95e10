#!/usr/bin/env bash
# Builds the browser side (scripts/build-web.sh) and runs its tests: the
# layers without a toolkit under Node.js, and the real page in Debian's
# headless Chromium driven with Playwright (tests/web/). Installs what is
# missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/web.sh"

"$root/scripts/install-deps.sh" web-test
SECONDS=0
"$root/scripts/build-web.sh"
echo "test-web: built in ${SECONDS} s"
use_playwright
SECONDS=0
cd "$root"
ctest --preset web --parallel "$(nproc)"
echo "test-web: tests ran in ${SECONDS} s"
