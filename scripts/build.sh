#!/usr/bin/env bash
# Installs what is missing, then configures and builds into a build folder.
# Usage: scripts/build.sh BUILD_DIR [extra cmake arguments] [-- build targets]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
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

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" -G Ninja "${configure_args[@]}" >/dev/null
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"
else
  cmake --build "$build_dir" --parallel "$(nproc)"
fi
