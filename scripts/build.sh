#!/usr/bin/env bash
# Installs what is missing, then configures and builds into a build folder.
# Usage: scripts/build.sh [--deps run|package|test] BUILD_DIR [extra cmake arguments] [-- build targets]
# --deps names the set of Debian packages to install (scripts/install-deps.sh),
# test if left out. KORVANEL_WARNINGS_AS_ERRORS=ON in the environment makes
# compiler warnings errors (CI); otherwise they stay warnings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
deps=test
if [ "${1:-}" = "--deps" ]; then
  deps="$2"
  shift 2
fi
build_dir="$1"
shift

configure_args=()
targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--" ]; then
    shift
    targets=("$@")
    break
  fi
  configure_args+=("$1")
  shift
done

"$root/scripts/install-deps.sh" "$deps"
cmake -S "$root" -B "$build_dir" -G Ninja \
  -DKORVANEL_WARNINGS_AS_ERRORS="${KORVANEL_WARNINGS_AS_ERRORS:-OFF}" "${configure_args[@]}" >/dev/null
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"
else
  cmake --build "$build_dir" --parallel "$(nproc)"
fi
