#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "template/Units.h"

namespace korvanel::fret_template {

// What the maker asks for. Lengths are in `unit`; they start at the values
// of a usual six-string board.
struct TemplateInputs {
  Unit unit = Unit::Millimetre;
  double bassScale = 650;
  double trebleScale = 650;
  // The fret square to the centre line when the two scales differ; 0 is the nut.
  int perpendicularFret = 0;
  int frets = 24;
  // Outer string to outer string.
  double nutSpan = 35;
  double bridgeSpan = 52;
  // The board's edge beyond each outer string, square to the string.
  double overhang = 3.5;
  // The board's end beyond the last fret, along the centre line.
  double boardEnd = 6;
  // 0 draws each fret as one line.
  double slotWidth = 0;
  Paper paper = Paper::A4;
  // What the printed ruler (100 mm, or 4 in) really measures.
  double rulerMeasures = 100;
};

// The fields a maker types, in the order a window shows and reads them.
enum class Field {
  BassScale,
  TrebleScale,
  PerpendicularFret,
  Frets,
  NutSpan,
  BridgeSpan,
  Overhang,
  BoardEnd,
  SlotWidth,
  RulerMeasures,
};
inline constexpr std::size_t kFieldCount = 10;

// The label that names the field, as a window shows it and as the messages
// name it: "Scale length, bass side", ..., "100 mm ruler measures" (in
// inches "4 in ruler measures").
std::string FieldLabel(Field field, Unit unit);

// The texts of the fields as typed, one per field.
class FieldTexts {
 public:
  std::string& operator[](Field field) { return texts_[static_cast<std::size_t>(field)]; }
  const std::string& operator[](Field field) const {
    return texts_[static_cast<std::size_t>(field)];
  }

 private:
  std::array<std::string, kFieldCount> texts_;
};

// Whether a scale length (on either side) is within its field's range on
// its own, in `unit`.
bool ScaleInRange(double scale, Unit unit);

// The texts that show `inputs` in their fields.
FieldTexts InputTexts(const TemplateInputs& inputs);

// `inputs` with every length in `unit`; the ruler's measure keeps its share
// of the ruler's length (99 of 100 mm is 3.96 of 4 in).
TemplateInputs InUnit(const TemplateInputs& inputs, Unit unit);

// The texts of the fields after a change of units: every length converted as
// InUnit does and written as LengthText does; the fret numbers, and texts
// without a number, stay as they are.
FieldTexts ConvertTexts(const FieldTexts& texts, Unit from, Unit to);

// The first field, in the fields' order, whose text is refused, and the
// message that says why: "Scale length, bass side: enter a length from 100
// to 2000 mm."
struct Refusal {
  Field field;
  std::string message;
};

using InputsReading = std::variant<TemplateInputs, Refusal>;

// Reads every field with the main window's lenient reading of numbers and
// checks it against its range, in the fields' order. A text without a
// number, a number too large for a double, a fraction where a whole number
// is asked for, and anything out of range are refused. Some ranges follow
// from other fields: the treble scale stays within 1.5 times the bass scale,
// and within what keeps every fret at most 63 degrees off square (its
// crossings of the outer strings no more than twice as far apart along the
// board as across it); the bridge span differs from the nut span by at most
// half the shortest scale the treble side may have; the perpendicular fret
// is at most the number of frets. The bounds a message names are exactly
// those checked.
InputsReading ReadInputs(const FieldTexts& texts, Unit unit, Paper paper);

enum class FileKind { Svg, Dxf };

// A file name made from the inputs: "frets-650mm.svg", "frets-686-648mm.dxf",
// "frets-25.5in.svg".
std::string FileName(const TemplateInputs& inputs, FileKind kind);

// One line naming the board: "686/648 mm (bass/treble), perpendicular fret 8,
// 24 frets, spans 35/52 mm, overhang 3.5 mm, board end 6 mm, slot width 0 mm".
std::string Description(const TemplateInputs& inputs);

}  // namespace korvanel::fret_template
