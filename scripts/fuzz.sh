#!/usr/bin/env bash
# Builds the scale-length fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for the given number of seconds
# (default 60) from the seed corpus. Fails on any finding.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build_dir="$root/build-fuzz"

# The qt preset's options in a folder of its own, with clang: KORVANEL_FUZZ
# builds only the layers without a toolkit and the fuzz target.
"$root/scripts/build.sh" qt -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVANEL_FUZZ=ON -- scale_length_fuzzer

# New inputs go to a scratch folder so the committed corpus stays as it is.
work_corpus="$(mktemp -d)"
trap 'rm -rf "$work_corpus"' EXIT
"$build_dir/tests/fuzz/scale_length_fuzzer" "$work_corpus" "$root/tests/fuzz/corpus" \
  -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix="$build_dir/"
