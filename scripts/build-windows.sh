#!/usr/bin/env bash
# Cross-builds the Windows side (core, report, platform/win32 and their tests)
# with mingw-w64 into build-win/, installing the cross compiler if missing.
# Usage: scripts/build-windows.sh [extra cmake arguments]
# KORVANEL_WARNINGS_AS_ERRORS=ON makes compiler warnings errors, as in
# scripts/build.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"

"$root/scripts/install-deps.sh" windows

cmake -S "$root" -B "$build_dir" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKORVANEL_WARNINGS_AS_ERRORS="${KORVANEL_WARNINGS_AS_ERRORS:-OFF}" \
  "$@" >/dev/null
cmake --build "$build_dir" --parallel 2
