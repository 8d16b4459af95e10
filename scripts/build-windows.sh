#!/usr/bin/env bash
# Cross-builds Korvanel for Windows (x86-64) with mingw-w64 into build-win/:
# build-win/korvanel.exe, one file to copy to Windows 10 or 11, and the
# tests that scripts/test-windows.sh runs under Wine.
# Usage: scripts/build-windows.sh [extra cmake arguments] [-- build targets]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"

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

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres cmake ninja; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (Debian: mingw-w64, cmake, ninja-build)" >&2; exit 1; }
done

cmake -S "$root" -B "$build_dir" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  "${configure_args[@]}" >/dev/null
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"
else
  cmake --build "$build_dir" --parallel "$(nproc)"
fi
echo "$build_dir/korvanel.exe"
