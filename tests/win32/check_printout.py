#!/usr/bin/env python3
"""Reads back the PostScript documents that win32_print_tests printed through
Wine's PostScript driver, and checks each against the lines the test expected
(NAME.expected beside NAME.ps: "pages N", then "H text" for a bold heading
line or "R text" for a regular one; an empty text is an empty line).

- poppler's pdftotext -layout (on ps2pdf's PDF) must find the words of the
  non-empty lines, line by line and in order;
- pdftotext -bbox gives the box of every word: the words must start on the
  columns of one fixed pitch from the 15 mm left margin, so that the text
  rebuilt from those columns, blanks included, is the expected text (and the
  bars of the fret lines stand under those of the column titles);
- ghostscript's txtwrite device gives the font of every character: heading
  lines in the bold face of the font of the others;
- the lines go down the page one line height apart, empty lines included,
  from the top margin; a page ends only when the next line would cross the
  bottom margin.
"""
import collections
import pathlib
import re
import statistics
import subprocess
import sys
import tempfile

MARGIN = 15 / 25.4 * 72  # points
TOLERANCE = 0.3  # points: the device's 300 dpi pixels are 0.24 pt

Word = collections.namedtuple("Word", "page top x0 x1 text")
failures = []


def fail(case, message):
    failures.append(f"{case}: {message}")


def run(*command):
    # The PostScript driver names the glyph of "-" "hyphen", which the PDF
    # tools read back as a soft hyphen.
    output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    return output.replace("\u00ad", "-")


def read_expected(path):
    lines = path.read_text(encoding="utf-8").split("\n")
    pages = int(lines[0].split()[1])
    expected = [(line[2:], line[0] == "H") for line in lines[1:] if line]
    return pages, expected


def words_and_pages(pdf):
    """The words of every page, and the heights of the pages."""
    words, heights = [], []
    for tag in re.finditer(r'<page width="[\d.]+" height="([\d.]+)">|'
                           r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                           r'yMax="[\d.]+">([^<]*)</word>', run("pdftotext", "-bbox", str(pdf), "-")):
        if tag.group(1):
            heights.append(float(tag.group(1)))
        else:
            x0, top, x1 = (float(tag.group(i)) for i in (2, 3, 4))
            words.append(Word(len(heights), top, x0, x1, tag.group(5)))
    return words, heights


def line_fonts(ps):
    """The fonts of each printed line, top to bottom, as txtwrite names them."""
    xml = run("gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=txtwrite",
              "-dTextFormat=0", "-sOutputFile=-", str(ps))
    fonts, page = collections.defaultdict(set), 0
    for tag in re.finditer(r'<page>|<span bbox="[\d.]+ ([\d.]+)[^"]*" font="([^"]*)"', xml):
        if tag.group(0) == "<page>":
            page += 1
        else:
            fonts[(page, round(float(tag.group(1))))].add(tag.group(2))
    return [fonts[key] for key in sorted(fonts)]


def check(case, ps, expected_path):
    pages, expected = read_expected(expected_path)
    numbered = [(number, text, heading) for number, (text, heading) in enumerate(expected)
                if text]
    with tempfile.TemporaryDirectory() as scratch:
        pdf = pathlib.Path(scratch) / "out.pdf"
        run("ps2pdf", str(ps), str(pdf))
        layout = run("pdftotext", "-layout", str(pdf), "-")
        words, heights = words_and_pages(pdf)
    if len(heights) != pages:
        fail(case, f"{len(heights)} pages, expected {pages}")

    # Words and order as pdftotext lays the page out.
    laid_out = [line.split() for line in layout.replace("\f", "\n").split("\n") if line.strip()]
    if laid_out != [text.split() for _, text, _ in numbered]:
        fail(case, "pdftotext -layout finds other words:\n" + layout)

    grouped = collections.defaultdict(list)
    for word in words:
        grouped[(word.page, round(word.top, 1))].append(word)
    lines = [sorted(grouped[key], key=lambda w: w.x0) for key in sorted(grouped)]
    fonts = line_fonts(ps)
    if not len(lines) == len(fonts) == len(numbered):
        fail(case, f"{len(lines)} lines ({len(fonts)} for txtwrite), expected {len(numbered)}")
        return

    # The texts, blanks included, from the columns where the words start. The
    # pitch is where the device sets the characters: Wine 9 and later put each
    # one at the whole-pixel advance that GDI measures, a little less than the
    # width of the font's glyph, which Wine 8 kept to.
    starts = [(column, word.x0 - MARGIN)
              for line, (_, text, _) in zip(lines, numbered) if [w.text for w in line] == text.split()
              for word, column in zip(line, (m.start() for m in re.finditer(r"\S+", text)))]
    glyph = statistics.median((w.x1 - w.x0) / len(w.text) for w in words)
    pitch = glyph
    if any(column for column, _ in starts):
        pitch = sum(c * d for c, d in starts) / sum(c * c for c, _ in starts)
    if abs(pitch - glyph) > TOLERANCE:
        fail(case, f"characters {pitch:.2f} pt apart, in glyphs {glyph:.2f} pt wide")
    regular = set().union(*(f for f, (_, _, heading) in zip(fonts, numbered) if not heading))
    for line, line_font, (number, text, heading) in zip(lines, fonts, numbered):
        rebuilt = ""
        for word in line:
            column = (word.x0 - MARGIN) / pitch
            if abs(column - round(column)) * pitch > TOLERANCE:
                fail(case, f"line {number + 1}: '{word.text}' off the columns ({column:.2f})")
            rebuilt = rebuilt.ljust(round(column)) + word.text
        if rebuilt != text:
            fail(case, f"line {number + 1}: printed '{rebuilt}', expected '{text}'")
        if len(line_font) != 1:
            fail(case, f"line {number + 1}: several fonts {line_font}")
            continue
        font = next(iter(line_font))
        if heading != font.endswith("-Bold"):
            fail(case, f"line {number + 1}: font {font}, heading {heading}")
        if heading and regular and font[: -len("-Bold")] not in regular:
            fail(case, f"line {number + 1}: bold {font} is not a face of {regular}")

    # Line heights, empty lines included, from the top margin; page breaks.
    steps = [(line[0].top - previous[0].top) / (number - before)
             for line, previous, (number, _, _), (before, _, _)
             in zip(lines[1:], lines, numbered[1:], numbered) if line[0].page == previous[0].page]
    if not steps:
        return
    height = statistics.median(steps)
    for step in steps:
        if abs(step - height) > TOLERANCE:
            fail(case, f"a line {step:.2f} pt below the one before, not {height:.2f}")
    first = lines[0][0].top
    # The first line's top is at the top margin; its words' boxes start a
    # little lower, where poppler puts the top of the font.
    if not MARGIN - TOLERANCE <= first < MARGIN + height / 2:
        fail(case, f"first line at {first:.2f} pt from the top, not at the margin {MARGIN:.2f}")
    for line, following in zip(lines, lines[1:]):
        if following[0].page != line[0].page:
            if abs(following[0].top - first) > TOLERANCE:
                fail(case, f"page {following[0].page} does not start at the top margin")
            bottom = heights[line[0].page - 1] - MARGIN
            room = bottom - (line[0].top - first + MARGIN + height)
            if not -TOLERANCE <= room < height:
                fail(case, f"page {line[0].page} ends {room:.2f} pt above the bottom margin")


def main():
    folder = pathlib.Path(sys.argv[1])
    cases = sorted(folder.glob("*.expected"))
    if not cases:
        print(f"no printouts in {folder}")
        return 1
    for expected in cases:
        ps = expected.with_suffix(".ps")
        if not ps.exists():
            fail(expected.stem, f"{ps} is missing")
            continue
        check(expected.stem, ps, expected)
        print(f"{expected.stem}: checked")
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
