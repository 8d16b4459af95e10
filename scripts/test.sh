#!/usr/bin/env bash
# Builds Korvanel and all its tests (installing what is missing) and runs the
# tests. With --sanitize the same tests are built into build-asan with
# AddressSanitizer (LeakSanitizer included) and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

build_dir="$root/build"
# Both switches are given each time: scripts/run.sh turns them off in build/.
cmake_args=(-DCMAKE_BUILD_TYPE=Release -DKORVANEL_BUILD_TESTS=ON -DKORVANEL_BUILD_BENCHMARKS=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir="$root/build-asan"
  cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANEL_SANITIZE=ON -DKORVANEL_BUILD_TESTS=ON -DKORVANEL_BUILD_BENCHMARKS=OFF)
fi

"$root/scripts/build.sh" "$build_dir" "${cmake_args[@]}"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
