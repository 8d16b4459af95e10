# The browser build's surroundings. Sourced, not run.
#   use_emscripten   exports what Debian's Emscripten needs to build into
#       build-web/ only: its own Node.js modules when the machine's Node.js is
#       not Debian's, the package's prebuilt libraries left as they are, and
#       scratch files kept in the build folder.
#   use_playwright   installs the pinned playwright-core (tests/web's lock
#       file) into build-web/playwright/ when it is missing or older than
#       the lock, and exports NODE_PATH for it.

web_build_dir="$root/build-web"

use_emscripten() {
  export NODE_PATH=/usr/share/nodejs
  export EM_FROZEN_CACHE=1
  mkdir -p "$web_build_dir/tmp"
  export TMPDIR="$web_build_dir/tmp"
}

use_playwright() {
  local modules="$web_build_dir/playwright"
  if [ ! -f "$modules/node_modules/playwright-core/package.json" ] ||
    [ "$root/tests/web/package-lock.json" -nt "$modules/node_modules/playwright-core/package.json" ]; then
    mkdir -p "$modules"
    cp "$root/tests/web/package.json" "$root/tests/web/package-lock.json" "$modules/"
    # Playwright uses Debian's Chromium: no browser is downloaded.
    (cd "$modules" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  fi
  export NODE_PATH="$modules/node_modules"
}
