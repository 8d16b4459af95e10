#!/usr/bin/env bash
# Installs the Debian packages that one kind of work needs, only those that
# are missing; quick when everything is there (no apt-get update then).
# Usage: scripts/install-deps.sh [run|package|test|null|win32|win32-test|web|web-test]
#   (test if left out)
#   run      build and start the program (scripts/run.sh)
#   package  run, plus making and checking the Debian package
#            (scripts/package.sh)
#   test     package, plus every test tool (scripts/test.sh, the CUPS,
#            package and fuzz tests, screenshots and print samples)
#   null     the build on the null runtime and its tests, with the
#            comma-decimal locale and the template files' readers
#            (platform/README.md)
#   win32    the mingw-w64 cross compiler and GoogleTest's sources
#            (scripts/build-win32.sh), wixl and zip for the installer and
#            the portable zip (scripts/package-win32.sh)
#   win32-test  win32, plus Wine on Xvfb and the tools that read the
#            printouts back (scripts/test-win32.sh, scripts/screenshots-win32.sh,
#            scripts/bench-win32.sh, scripts/test-package-win32.sh,
#            scripts/make-wine-prefix.sh)
#   web      Emscripten, GoogleTest's sources and what makes the page's fonts
#            (scripts/build-web.sh, scripts/serve-web.sh)
#   web-test web, plus Chromium, npm for Playwright, and poppler's and
#            MuPDF's tools for the printouts (scripts/test-web.sh,
#            scripts/bench-web.sh)
set -euo pipefail

set_name="${1:-test}"

run_packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev libgl-dev libxkbcommon-dev
  # The program hands print jobs to CUPS and reads its answers (ipp.h).
  libcups2-dev
  fonts-liberation fontconfig
)
package_packages=(
  dpkg-dev file lintian desktop-file-utils appstream
)
# The readers of the fret template's files and pages, programs we did not
# write: ezdxf (for /usr/bin/python3), LibreCAD, librsvg, MuPDF and poppler.
reader_packages=(
  python3 python3-ezdxf librecad librsvg2-bin mupdf-tools poppler-utils
)
null_packages=(
  cmake g++ ninja-build libgtest-dev locales
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  locales poppler-utils xvfb xauth imagemagick x11-utils openbox
  # libFuzzer's runtime, for the release's own clang.
  clang libclang-rt-dev
  cups cups-client cups-bsd
  # scripts/test-package.sh installs the package into a fresh Debian;
  # scripts/test-debian13.sh clones the current commit into one.
  debootstrap git
)

win32_packages=(
  cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  wixl msitools zip
)
win32_test_packages=(
  wine64 wine fonts-wine fonts-liberation ghostscript poppler-utils mupdf-tools xvfb xauth python3
  openbox x11-utils imagemagick
  # scripts/test-package-win32.sh unpacks the zip and reads the shortcut.
  unzip binutils
)

web_packages=(
  cmake ninja-build emscripten googletest python3
  # The page carries subsets of Liberation Sans and Mono.
  fonts-liberation fonttools python3-brotli
)
web_test_packages=(
  chromium poppler-utils mupdf-tools python3
)

case "$set_name" in
  run) packages=("${run_packages[@]}") ;;
  package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
  test)
    packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
      "${reader_packages[@]}")
    ;;
  null) packages=("${null_packages[@]}" "${reader_packages[@]}") ;;
  win32) packages=("${win32_packages[@]}") ;;
  win32-test) packages=("${win32_packages[@]}" "${win32_test_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  web-test)
    packages=("${web_packages[@]}" "${web_test_packages[@]}")
    # A Node.js from elsewhere (NodeSource's) carries its own npm, which
    # Debian's npm package would conflict with.
    command -v npm >/dev/null || packages+=(npm)
    ;;
  *)
    echo "usage: $0 [run|package|test|null|win32|win32-test|web|web-test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Another apt may be running (an update, another build): wait for its lock.
apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@"
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_get update -q
  apt_get install -y -q --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale proves that numbers are written with a point whatever
# the user's settings; only the tests need it.
if { [ "$set_name" = test ] || [ "$set_name" = null ]; } && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating de_DE.UTF-8"
  if [ -f /etc/locale.gen ] && grep -q '^# *de_DE.UTF-8' /etc/locale.gen; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
