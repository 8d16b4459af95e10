#!/usr/bin/env bash
# Installs what is missing, then configures and builds with a preset of
# CMakePresets.json: qt (the default, build/), qt-asan (build-asan/), win32
# (build-win32/) or web (build-web/).
# Usage: scripts/build.sh [--deps SET] [PRESET] [-B BUILD_DIR] [extra cmake arguments] [-- build targets]
# --deps names the set of Debian packages to install (scripts/install-deps.sh),
# by default the preset's: win32 for win32, web for web, test for the others.
# -B builds into another folder than the preset's.
# KORVANEL_WARNINGS_AS_ERRORS=ON in the environment makes compiler warnings
# errors (CI); otherwise they stay warnings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
deps=
if [ "${1:-}" = "--deps" ]; then
  deps="$2"
  shift 2
fi
preset=qt
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  preset="$1"
  shift
fi
if [ -z "$deps" ]; then
  case "$preset" in
    win32 | web) deps="$preset" ;;
    *) deps=test ;;
  esac
fi

build_dir=
configure_args=()
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --)
      shift
      targets=("$@")
      break
      ;;
    -B)
      build_dir="$(realpath -m "$2")"
      shift 2
      ;;
    *)
      configure_args+=("$1")
      shift
      ;;
  esac
done

"$root/scripts/install-deps.sh" "$deps"
# CMake reads the presets from the current folder.
cd "$root"
if [ -n "$build_dir" ]; then
  cmake --preset "$preset" -B "$build_dir" "${configure_args[@]}" >/dev/null
  build=(cmake --build "$build_dir")
else
  cmake --preset "$preset" "${configure_args[@]}" >/dev/null
  build=(cmake --build --preset "$preset")
fi
build+=(--parallel "$(nproc)")
if [ ${#targets[@]} -gt 0 ]; then build+=(--target "${targets[@]}"); fi
"${build[@]}"
