#!/usr/bin/env python3
"""Reads back the fret template's pages that win32_print_tests printed
through Wine's PostScript driver (NAME.ps beside NAME.json, the inputs and
the pages' tiles) as tests/template/check_files.py reads a page PDF: the
PostScript through ghostscript's ps2pdf, then mutool trace. On paper the
board's lines are all black (check_files.printed_fret tells the frets);
check_pages wants each within 0.05 mm of its line, and every fret on some
page. GDI puts every point on a device pixel: 0.02 mm at the test
printer's 1200 dpi, and the pages are put together by crosses on pixels too.
"""
import json
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "template"))
import check_files  # noqa: E402

TOLERANCE = 0.05  # millimetres
# Wine's PPD gives A4 in whole points: 595 by 842 (209.90 by 297.04 mm).
PAPER_TOLERANCE = 0.2


def check_cover(case, inputs, pages):
    """The tiles, in a row, overlap by 15 mm and cover the board from the nut
    (x 0) to the bridge on both strings."""
    lines = check_files.fret_lines(dict(inputs, frets=2))
    along = [1 - 2 ** (-fret / 12) for fret in (1, 2)]
    bridge = 0
    for side in (0, 1):  # the bass string, then the treble string
        first, second = lines[1][side][0], lines[2][side][0]
        run = (second - first) / (along[1] - along[0])
        bridge = max(bridge, first - along[0] * run + run)
    tiles = sorted(pages["tiles"])
    if tiles[0][0] > 0 or tiles[-1][2] < bridge:
        fail = f"tiles from {tiles[0][0]:.1f} to {tiles[-1][2]:.1f} mm, the bridge at {bridge:.1f}"
        check_files.fail(case, fail)
    for tile, following in zip(tiles, tiles[1:]):
        if tile[2] - following[0] < 15 - 1e-9:
            check_files.fail(case, f"tiles overlap by {tile[2] - following[0]:.2f} mm")


def main():
    folder = pathlib.Path(sys.argv[1])
    cases = sorted(folder.glob("template-*.json"))
    if not cases:
        print(f"no template printouts in {folder}")
        return 1
    with tempfile.TemporaryDirectory() as scratch:
        for case_path in cases:
            case = case_path.stem
            data = json.loads(case_path.read_text())
            pdf = pathlib.Path(scratch) / f"{case}.pdf"
            subprocess.run(["ps2pdf", str(case_path.with_suffix(".ps")), str(pdf)], check=True)
            check_files.check_pages(case, pdf, data["inputs"], data["pages"],
                                    data["inputs"]["slotWidth"], TOLERANCE, PAPER_TOLERANCE,
                                    check_files.printed_fret)
            check_cover(case, data["inputs"], data["pages"])
            print(f"{case}: read back")
    for failure in check_files.failures:
        print("FAIL", failure)
    return 1 if check_files.failures else 0


if __name__ == "__main__":
    sys.exit(main())
