#!/usr/bin/env bash
# Prints the fret report into a PDF file and renders its page as a PNG, to
# look at the printout without a printer.
# Usage: scripts/print-sample.sh OUTDIR [SCALE_LENGTH]   (length 650 if left out)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out_dir="${1:?usage: $0 OUTDIR [SCALE_LENGTH]}"
length="${2:-650}"
build_dir="$root/build"

"$root/scripts/build.sh" qt -- korvanel_print_sample
mkdir -p "$out_dir"
pdf="$out_dir/report-$length.pdf"
QT_QPA_PLATFORM=offscreen "$build_dir/tests/qt/print/korvanel_print_sample" "$length" "$pdf"
pdftoppm -png -r 100 "$pdf" "$out_dir/report-$length"
echo "Wrote $pdf and its pages:"
ls "$out_dir"/report-"$length"*.png
