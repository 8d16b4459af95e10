# The browser build's surroundings, beside what the web preset sets for
# Emscripten. Sourced, not run.
#   use_playwright   installs the pinned playwright-core (tests/web's lock
#       file) into build-web/playwright/ when it is missing or older than
#       the lock, and exports NODE_PATH for it.

web_build_dir="$root/build-web"

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
