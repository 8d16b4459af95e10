#pragma once

#include <string>
#include <string_view>

#include "template/Drawing.h"

namespace korvanel::fret_template {

// The bytes of the files the template saves. The same drawing gives the
// same bytes on every runtime and every run: numbers are written with six
// decimals in the file's unit (under a micrometre in millimetres and in
// inches), with "." whatever the locale, and nothing in a file depends on a
// date or the machine.

// An SVG of `drawing` at its true size: width and height in `unit` ("mm" or
// "in") and a viewBox in the same unit, 2 mm of margin around the drawing's
// bounds; one Inkscape layer per layer in use, drawn with hairlines
// (0.001 in, what laser drivers cut as vectors), closed outlines as closed
// paths; a title and a description.
std::string SvgFile(const Drawing& drawing, Unit unit, std::string_view title,
                    std::string_view description);

// A DXF (AutoCAD 2000, AC1015) of `drawing` in `unit`: $INSUNITS 4 or 1 and
// $MEASUREMENT 1 or 0, one named layer per layer in use, the board's origin
// (the middle of the nut) at the file's origin with y turned upward as CAD
// has it, each closed outline one closed LWPOLYLINE, single lines as LINE,
// texts as TEXT on their layer (their height that of the digits). R2000 and
// not R12, whose readers would have to guess the unit: it is the oldest
// version with $INSUNITS and with light polylines, which every CAD, CAM and
// laser program of the last twenty years reads.
std::string DxfFile(const Drawing& drawing, Unit unit);

// The board's files as saved: its drawing in the inputs' unit, titled and
// described from the inputs.
std::string BoardSvg(const BoardGeometry& board);
std::string BoardDxf(const BoardGeometry& board);

// "Fret template 650 mm, 24 frets", "Fret template 686/648 mm, 24 frets".
std::string BoardTitle(const TemplateInputs& inputs);

}  // namespace korvanel::fret_template
