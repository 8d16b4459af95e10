#!/usr/bin/env python3
"""Reads back the fret template's sample files (written by
template_sample_files into the folder given: NAME.svg, NAME.dxf, NAME.pdf and
NAME.json with the inputs, the board's drawing and the pages' tiles) with
programs we did not write:

- ezdxf loads every DXF and audits it with no error and no fix; $INSUNITS and
  $MEASUREMENT follow the unit, the layers are there, and every entity is the
  drawing's, in order: closed outlines as closed LWPOLYLINEs, single lines as
  LINEs, texts as TEXTs, coordinates within 1 um of the drawing (y upward);
- LibreCAD converts it to PDF at scale 1 (librecad dxf2pdf -s 1) and the
  board's lines in that PDF (mutool trace) span the drawing's size, in
  millimetres whatever the file's unit;
- librsvg renders the SVG at its physical size (at 254 dpi, 10 pixels a
  millimetre), its layers as Inkscape's;
- the page PDF read back with mutool: every page inside its margins, the
  rulers 100 mm (4 in) long times the printer correction, and the pages put
  together by their registration crosses, as a maker tapes them, with every
  fret line within 0.01 mm of where the board's definition puts it,
  computed here anew; the tiles overlap by 15 mm and reach the bridge.

With --printed FOLDER SUFFIX it reads back only the pages a runtime printed
(NAME-SUFFIX.pdf or NAME-SUFFIX.ps beside NAME.json), where the frets are
black as the rest and are told by where they lie: each within 0.05 mm of
its place.
"""
import json
import math
import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

MILLIMETRES = {"mm": 1.0, "in": 25.4}
POINT = 25.4 / 72  # millimetres
MICROMETRE = 0.001
failures = []


def fail(case, message):
    failures.append(f"{case}: {message}")


def run(*command, env=None):
    return subprocess.run(command, check=True, capture_output=True, text=True, env=env).stdout


def traced_paths(pdf):
    """Each page's stroked lines from mutool trace, a subpath each: (colour,
    points in millimetres from the page's top left corner, y downward)."""
    pages = []
    for page in re.finditer(r'<page number="\d+" mediabox="([^"]+)">(.*?)</page>',
                            run("mutool", "trace", str(pdf)), re.S):
        paths = []
        for path in re.finditer(r'<stroke_path [^>]*color="([^"]+)"[^>]*transform="([^"]+)">'
                                r'(.*?)</stroke_path>', page.group(2), re.S):
            a, b, c, d, e, f = map(float, path.group(2).split())
            # A path of several subpaths (a browser's) is that many lines.
            for subpath in re.split(r'(?=<moveto )', path.group(3)):
                points = [(a * float(x) + c * float(y) + e, b * float(x) + d * float(y) + f)
                          for x, y in re.findall(r'<(?:moveto|lineto) x="([^"]+)" y="([^"]+)"/>',
                                                 subpath)]
                if points:
                    paths.append((path.group(1), [(x * POINT, y * POINT) for x, y in points]))
        box = list(map(float, page.group(1).split()))
        pages.append(((box[2] - box[0]) * POINT, (box[3] - box[1]) * POINT, paths))
    return pages


def extents(points):
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return max(xs) - min(xs), max(ys) - min(ys)


def in_file(point, unit):
    """A drawing point (millimetres, y downward) in the DXF's unit, y upward."""
    return point[0] / MILLIMETRES[unit], -point[1] / MILLIMETRES[unit]


def near(a, b, unit, tolerance=MICROMETRE):
    return math.dist(a, b) * MILLIMETRES[unit] <= tolerance


def check_dxf(case, path, drawing, unit):
    import ezdxf  # here: the page check is used where ezdxf is not installed

    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    if auditor.has_errors or auditor.has_fixes:
        fail(case, f"ezdxf audit: {auditor.errors} {auditor.fixes}")
    if doc.header["$INSUNITS"] != (4 if unit == "mm" else 1):
        fail(case, f"$INSUNITS {doc.header['$INSUNITS']}")
    if doc.header["$MEASUREMENT"] != (1 if unit == "mm" else 0):
        fail(case, f"$MEASUREMENT {doc.header['$MEASUREMENT']}")
    layers = {line["layer"] for line in drawing["lines"]} | {"TEXT"}
    if not layers <= {layer.dxf.name for layer in doc.layers}:
        fail(case, "layers missing")
    entities = list(doc.modelspace())
    expected = drawing["lines"] + drawing["texts"]
    if len(entities) != len(expected):
        fail(case, f"{len(entities)} entities for {len(expected)} in the drawing")
    for entity, item in zip(entities, expected):
        if entity.dxf.layer != item["layer"]:
            fail(case, f"{entity.dxftype()} on {entity.dxf.layer}, not {item['layer']}")
        if "text" in item:
            if entity.dxftype() != "TEXT" or entity.dxf.text != item["text"] or not near(
                    (entity.dxf.insert.x, entity.dxf.insert.y), in_file(item["at"], unit), unit):
                fail(case, f"text {item['text']} read as {entity.dxftype()}")
            continue
        if entity.dxftype() == "LINE":
            points, closed = [(entity.dxf.start.x, entity.dxf.start.y),
                              (entity.dxf.end.x, entity.dxf.end.y)], False
        else:
            points, closed = [point[:2] for point in entity.get_points()], entity.closed
        if closed != item["closed"] or len(points) != len(item["points"]) or not all(
                near(p, in_file(q, unit), unit) for p, q in zip(points, item["points"])):
            fail(case, f"{entity.dxftype()} on {item['layer']} is not the drawing's")


def check_librecad(case, path, drawing, scratch):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=str(scratch))
    run("librecad", "dxf2pdf", "-s", "1", "-t", str(scratch), str(path), env=env)
    paths = traced_paths(scratch / f"{path.stem}.pdf")[0][2]
    # LibreCAD draws the layers in their colours: all but the outline and
    # the texts (black) are the board's lines.
    drawn = [point for colour, points in paths if colour != "0 0 0" for point in points]
    board = [point for line in drawing["lines"] if line["layer"] != "OUTLINE"
             for point in line["points"]]
    size, expected = extents(drawn), extents(board)
    # LibreCAD's PDF is at 1200 dpi (0.02 mm), and its print path within
    # about 0.03 % of scale 1 (a DXF of ezdxf's own comes out so too): what
    # this catches is a wrong unit or scale, not LibreCAD's rounding.
    if any(abs(a - b) > 0.05 + 5e-4 * b for a, b in zip(size, expected)):
        fail(case, f"LibreCAD draws {size} mm, the board is {expected} mm")


def check_svg(case, path, drawing, unit, scratch):
    root = ElementTree.parse(path).getroot()
    ns = {"svg": "http://www.w3.org/2000/svg"}
    label = "{http://www.inkscape.org/namespaces/inkscape}label"
    width, height = (float(root.get(side).removesuffix(unit)) for side in ("width", "height"))
    box = list(map(float, root.get("viewBox").split()))
    if not root.get("width").endswith(unit) or box[2:] != [width, height]:
        fail(case, f"size {root.get('width')} x {root.get('height')}, viewBox {box}")
    layers = [group.get(label) for group in root.findall("svg:g", ns)]
    if set(layers) != {line["layer"] for line in drawing["lines"]} | {"TEXT"}:
        fail(case, f"layers {layers}")
    closed = sum(path.get("d").endswith("Z") for path in root.iter("{%s}path" % ns["svg"]))
    if closed != sum(line["closed"] for line in drawing["lines"]):
        fail(case, f"{closed} closed paths")
    png = scratch / f"{case}.png"
    run("rsvg-convert", "-d", "254", "-p", "254", "-b", "white", str(path), "-o", str(png))
    pixels = struct.unpack(">II", png.read_bytes()[16:24])
    millimetres = [side * MILLIMETRES[unit] for side in (width, height)]
    if any(abs(p - 10 * m) > 1 for p, m in zip(pixels, millimetres)):
        fail(case, f"rendered {pixels} pixels for {millimetres} mm")


def fret_lines(inputs):
    """Each fret's crossings of the two outer strings, from the board's
    definition: strings from nut to bridge, each its scale long, fret k at
    1 - 2^(-k/12) of it, the perpendicular fret square, the nut's middle at 0."""
    unit = MILLIMETRES[inputs["unit"]]
    bass, treble = inputs["bassScale"] * unit, inputs["trebleScale"] * unit
    nut, bridge = inputs["nutSpan"] * unit, inputs["bridgeSpan"] * unit
    rise = (bridge - nut) / 2
    bass_run, treble_run = math.sqrt(bass ** 2 - rise ** 2), math.sqrt(treble ** 2 - rise ** 2)
    shift = (1 - 2 ** (-inputs["perpendicularFret"] / 12)) * (treble_run - bass_run) / 2
    lines = {}
    for fret in range(1, inputs["frets"] + 1):
        along = 1 - 2 ** (-fret / 12)
        lines[fret] = ((shift + along * bass_run, -nut / 2 - along * rise),
                       (-shift + along * treble_run, nut / 2 + along * rise))
    return lines


def off_line(point, line):
    (ax, ay), (bx, by) = line
    return abs((bx - ax) * (point[1] - ay) - (by - ay) * (point[0] - ax)) / math.dist(*line)


def crosses(paths, scale, tolerance=0.01):
    """The centres of the registration crosses, sorted: a horizontal and a
    vertical arm 10 mm long (times the correction) through the same middle."""
    arms = [points for colour, points in paths if colour == "0 0 0" and len(points) == 2
            and abs(math.dist(*points) - 10 * scale) < tolerance]
    across = [arm for arm in arms if abs(arm[0][1] - arm[1][1]) < 0.001]
    up = [arm for arm in arms if abs(arm[0][0] - arm[1][0]) < 0.001]
    centres = []
    for (a, b) in across:
        for (c, d) in up:
            if math.dist(((a[0] + b[0]) / 2, a[1]), (c[0], (c[1] + d[1]) / 2)) < tolerance:
                centres.append((c[0], a[1]))
    return sorted(centres)


def is_red(colour, board, lines):
    return colour == "1 0 0"


def printed_fret(colour, board, lines):
    """On paper every line is black, so a fret's line is told by its place: a
    black line (or slot) longer than a registration cross's arm, within a
    millimetre of one of the board's fret lines."""
    if colour != "0 0 0" or len(board) not in (2, 4) or math.dist(board[0], board[1]) < 11:
        return False
    return min(max(off_line(point, line) for point in board) for line in lines.values()) < 1


def check_pages(case, path, inputs, pages, slot_width, tolerance=0.01, paper_tolerance=0.01,
                is_fret=is_red):
    """The pages of the PDF at `path`, each fret line within `tolerance` mm of
    its place, the paper within `paper_tolerance`; `is_fret` tells a fret's
    line (its colour, its points on the board, the board's fret lines)."""
    scale, corner = pages["scale"], pages["tileCorner"]
    traced = traced_paths(path)
    if len(traced) != len(pages["tiles"]):
        fail(case, f"{len(traced)} pages for {len(pages['tiles'])} tiles")
        return
    if len({tile[1] for tile in pages["tiles"]}) != 1:
        fail(case, "the samples are boards of one row of tiles")
        return
    ruler = (100 if inputs["unit"] == "mm" else 101.6) * scale
    lines, seen = fret_lines(inputs), set()
    origin = None  # where the page's top left corner is on the board
    for number, (width, height, paths) in enumerate(traced, 1):
        if abs(width - pages["width"]) > paper_tolerance or abs(
                height - pages["height"]) > paper_tolerance:
            fail(case, f"page {number} is {width} x {height} mm")
        for colour, points in paths:
            margin = 12.7 - tolerance
            if any(not margin <= x <= width - margin or not margin <= y <= height - margin
                   for x, y in points):
                fail(case, f"page {number}: a line in the margins")
        combs = [extents(points) for colour, points in paths if len(points) > 100]
        if len(combs) != 2 or any(
                abs(max(size) - ruler) > tolerance for size in combs):
            fail(case, f"page {number}: rulers {combs}, not {ruler} mm")
        marks = crosses(paths, scale, tolerance)
        if origin is None:
            tile = pages["tiles"][0]
            origin = (tile[0] - corner[0] / scale, tile[1] - corner[1] / scale)
        else:
            # The crosses of the overlap with the previous page, where that
            # page put them on the board.
            shared = previous[-2:]
            found = marks[:2]
            if len(found) != 2 or len(shared) != 2:
                fail(case, f"page {number}: crosses {found}, {shared}")
                return
            origin = (shared[0][0] - found[0][0] / scale, shared[0][1] - found[0][1] / scale)
            second = (origin[0] + found[1][0] / scale, origin[1] + found[1][1] / scale)
            if math.dist(second, shared[1]) > tolerance:
                fail(case, f"page {number}: the second cross is {math.dist(second, shared[1])} off")
        def on_board(point):
            return origin[0] + point[0] / scale, origin[1] + point[1] / scale
        previous = sorted(on_board(mark) for mark in marks)
        for colour, points in paths:
            board = [on_board(point) for point in points]
            if not is_fret(colour, board, lines):
                continue
            if slot_width > 0:
                if len(board) != 4:
                    continue  # a slot cut by the tile's edge: whole on the next page
                board = [((board[0][0] + board[3][0]) / 2, (board[0][1] + board[3][1]) / 2),
                         ((board[1][0] + board[2][0]) / 2, (board[1][1] + board[2][1]) / 2)]
            fret = min(lines, key=lambda k: off_line(board[0], lines[k]))
            off = max(off_line(point, lines[fret]) for point in board)
            seen.add(fret)
            if off > tolerance:
                fail(case, f"page {number}: fret {fret} {off} mm off")
    if slot_width == 0 and seen != set(lines):
        fail(case, f"frets {sorted(set(lines) - seen)} on no page")
    words = run("pdftotext", str(path), "-")
    for number in range(1, len(traced) + 1):
        if f"Page {number} of {len(traced)}" not in words:
            fail(case, f"no \"Page {number} of {len(traced)}\"")


def check_cover(case, inputs, pages):
    """The tiles, in a row, overlap by 15 mm and cover the board from the nut
    (x 0) to the bridge on both strings."""
    lines = fret_lines(dict(inputs, frets=2))
    along = [1 - 2 ** (-fret / 12) for fret in (1, 2)]
    bridge = 0
    for side in (0, 1):  # the bass string, then the treble string
        first, second = lines[1][side][0], lines[2][side][0]
        run = (second - first) / (along[1] - along[0])
        bridge = max(bridge, first - along[0] * run + run)
    tiles = sorted(pages["tiles"])
    if tiles[0][0] > 0 or tiles[-1][2] < bridge:
        fail(case, f"tiles from {tiles[0][0]:.1f} to {tiles[-1][2]:.1f} mm, "
                   f"the bridge at {bridge:.1f}")
    for tile, following in zip(tiles, tiles[1:]):
        if tile[2] - following[0] < 15 - 1e-9:
            fail(case, f"tiles overlap by {tile[2] - following[0]:.2f} mm")


def check_printed(samples, suffix, scratch):
    """The pages a runtime printed of each sample, NAME-SUFFIX.pdf or, from a
    PostScript printer driver, NAME-SUFFIX.ps (through ghostscript's ps2pdf).
    On paper every line is black; a runtime's points lie on device pixels
    and its PDF gives the paper in whole points (A4 as 595 x 842), so the
    lines are wanted within 0.05 mm, the paper within half a point. Returns
    how many samples were printed."""
    printed = 0
    for case_path in sorted(samples.glob("*.json")):
        case = case_path.stem
        pdf, ps = (samples / f"{case}-{suffix}.{kind}" for kind in ("pdf", "ps"))
        if ps.exists():
            pdf = scratch / pdf.name
            run("ps2pdf", str(ps), str(pdf))
        if not pdf.exists():
            continue
        data = json.loads(case_path.read_text())
        inputs = data["inputs"]
        check_pages(case, pdf, inputs, data["pages"], inputs.get("slotWidth", 0),
                    tolerance=0.05, paper_tolerance=POINT / 2, is_fret=printed_fret)
        print(f"{case}: printed pages read back")
        printed += 1
    return printed


def main():
    if sys.argv[1] == "--printed":
        with tempfile.TemporaryDirectory() as scratch:
            printed = check_printed(pathlib.Path(sys.argv[2]), sys.argv[3], pathlib.Path(scratch))
        for failure in failures:
            print(failure)
        return 1 if failures or printed == 0 else 0
    samples = pathlib.Path(sys.argv[1])
    cases = sorted(samples.glob("*.json"))
    if len(cases) < 4:
        fail("samples", f"only {len(cases)} in {samples}")
    with tempfile.TemporaryDirectory() as scratch_name:
        scratch = pathlib.Path(scratch_name)
        for case_path in cases:
            case = case_path.stem
            data = json.loads(case_path.read_text())
            inputs, drawing = data["inputs"], data["drawing"]
            check_dxf(case, samples / f"{case}.dxf", drawing, inputs["unit"])
            check_librecad(case, samples / f"{case}.dxf", drawing, scratch)
            check_svg(case, samples / f"{case}.svg", drawing, inputs["unit"], scratch)
            check_pages(case, samples / f"{case}.pdf", inputs, data["pages"],
                        inputs.get("slotWidth", 0))
            check_cover(case, inputs, data["pages"])
            print(f"{case}: read back")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
