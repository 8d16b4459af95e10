#!/usr/bin/env bash
# Serves the site that scripts/build-web.sh built (building it first when it
# is missing) on this machine only, and prints the address to open; Ctrl+C
# stops it.
# Usage: scripts/serve-web.sh [PORT]   (8000 if left out)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/web.sh"
port="${1:-8000}"

"$root/scripts/install-deps.sh" web
[ -f "$web_build_dir/site/sw.js" ] || "$root/scripts/build-web.sh"
echo "Korvanel: open http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$web_build_dir/site"
