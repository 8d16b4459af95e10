#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (default 60), both at once, from its seed corpus: the scale-length path from
# tests/fuzz/corpus/, the fret template's from tests/fuzz/template-corpus/.
# Fails on any finding.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build_dir="$root/build-fuzz"

# The qt preset's options in a folder of its own, with clang: KORVANEL_FUZZ
# builds only the layers without a toolkit and the fuzz targets.
"$root/scripts/build.sh" qt -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVANEL_FUZZ=ON -- scale_length_fuzzer template_fuzzer

# New inputs go to a scratch folder so the committed corpora stay as they are.
# The two targets run side by side, one core each; each one's log follows
# once both have ended.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
pids=()
for target in scale_length_fuzzer:corpus template_fuzzer:template-corpus; do
  name="${target%%:*}"
  mkdir -p "$work/$name"
  "$build_dir/tests/fuzz/$name" "$work/$name" "$root/tests/fuzz/${target#*:}" \
    -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix="$build_dir/$name-" \
    >"$work/$name.log" 2>&1 &
  pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
cat "$work"/*.log
exit "$failed"
