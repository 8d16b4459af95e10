#include "template/Inputs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/NumberReading.h"
#include "template/Geometry.h"

namespace korvanel::fret_template {

namespace {

constexpr int kMostFrets = 36;
// The treble scale within this factor of the bass scale, either way.
constexpr double kScaleFactor = 1.5;
// A fret's crossings of the outer strings at most this many times as far
// apart along the board as across it (63 degrees off square). With the
// strings at most 14.5 degrees off the centre line, every fret meets the
// board's edges at 12 degrees or more.
constexpr double kFretSlant = 2;

// The generous limits of a board in each unit: round numbers close to each
// other in both.
struct Limits {
  double shortestScale;
  double longestScale;
  double narrowestSpan;
  double widestSpan;
  // Overhang, board end and slot width.
  double widestMargin;
  double rulerLength;
};

constexpr Limits kMillimetreLimits = {100, 2000, 1, 200, 20, 100};
constexpr Limits kInchLimits = {4, 80, 0.04, 8, 0.8, 4};

const Limits& LimitsOf(Unit unit) { return unit == Unit::Inch ? kInchLimits : kMillimetreLimits; }

// The values a field takes, both ends included.
struct Range {
  double lowest;
  double highest;
  bool whole = false;
};

// A bound computed from other fields, moved inward to the decimals shown, so
// that the message names exactly what is checked. A millionth of the last
// decimal absorbs the rounding of the computation (a bound of 431.8 must not
// come out as 431.801).
double ShownScale(Unit unit) { return unit == Unit::Inch ? 1e4 : 1e3; }

double ShownLowest(double bound, Unit unit) {
  return std::ceil(bound * ShownScale(unit) - 1e-6) / ShownScale(unit);
}

double ShownHighest(double bound, Unit unit) {
  return std::floor(bound * ShownScale(unit) + 1e-6) / ShownScale(unit);
}

bool InRange(const NumberReading& reading, const Range& range) {
  if (!reading.found || reading.overflow) return false;
  if (!(reading.value >= range.lowest && reading.value <= range.highest)) return false;
  return !range.whole || reading.value == std::floor(reading.value);
}

// The bounds the strings' slant and the fan allow the treble scale: the
// largest difference of the strings' runs along x for which the nut and the
// last fret, the most slanted frets, stay within kFretSlant.
Range FanRange(double bassScale, int perpendicularFret, int frets, double nutSpan,
               double bridgeSpan) {
  const double rise = std::fabs(bridgeSpan - nutSpan) / 2;
  const double bassRun = std::sqrt(bassScale * bassScale - rise * rise);
  const double atPerpendicular = 1 - SemitoneRatio(perpendicularFret);
  const double atLast = 1 - SemitoneRatio(frets);
  double runDifference = std::numeric_limits<double>::infinity();
  if (perpendicularFret > 0) {
    runDifference = std::min(runDifference, kFretSlant * nutSpan / atPerpendicular);
  }
  if (perpendicularFret < frets) {
    const double lastAcross = (1 - atLast) * nutSpan + atLast * bridgeSpan;
    runDifference = std::min(runDifference, kFretSlant * lastAcross / (atLast - atPerpendicular));
  }
  const double shortestRun = bassRun - runDifference;
  const double longestRun = bassRun + runDifference;
  return {shortestRun > 0 ? std::sqrt(shortestRun * shortestRun + rise * rise) : 0,
          std::sqrt(longestRun * longestRun + rise * rise)};
}

std::string RangeText(const Range& range, Unit unit) {
  std::string text = range.whole ? "enter a whole number from " : "enter a length from ";
  if (range.whole) {
    text += std::to_string(std::lround(range.lowest));
    text += " to ";
    text += std::to_string(std::lround(range.highest));
  } else {
    text += LengthText(range.lowest, unit);
    text += " to ";
    text += LengthText(range.highest, unit);
    text += ' ';
    text += UnitSymbol(unit);
  }
  return text;
}

// Reads every field first, so that a field's range can follow from others.
class InputsReader {
 public:
  InputsReader(const FieldTexts& texts, Unit unit) : unit_(unit), limits_(LimitsOf(unit)) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
      readings_[i] = ReadNumber(texts[static_cast<Field>(i)]);
    }
  }

  InputsReading Read(Paper paper) {
    TemplateInputs inputs;
    inputs.unit = unit_;
    inputs.paper = paper;
    const Range scale = {limits_.shortestScale, limits_.longestScale};
    const Range margin = {0, limits_.widestMargin};
    const Range ruler = {limits_.rulerLength * 0.9, limits_.rulerLength * 1.1};
    // In the fields' order: the first refused is the one reported.
    if (!Take(Field::BassScale, scale, inputs.bassScale)) return Refused();
    if (!Take(Field::TrebleScale, TrebleRange(inputs.bassScale), inputs.trebleScale)) {
      return Refused();
    }
    double number = 0;
    if (!Take(Field::PerpendicularFret, PerpendicularRange(), number)) return Refused();
    inputs.perpendicularFret = static_cast<int>(number);
    if (!Take(Field::Frets, FretsRange(), number)) return Refused();
    inputs.frets = static_cast<int>(number);
    if (!Take(Field::NutSpan, SpanRange(), inputs.nutSpan)) return Refused();
    if (!Take(Field::BridgeSpan, BridgeSpanRange(inputs.bassScale), inputs.bridgeSpan)) {
      return Refused();
    }
    if (!Take(Field::Overhang, margin, inputs.overhang)) return Refused();
    if (!Take(Field::BoardEnd, margin, inputs.boardEnd)) return Refused();
    if (!Take(Field::SlotWidth, margin, inputs.slotWidth)) return Refused();
    if (!Take(Field::RulerMeasures, ruler, inputs.rulerMeasures)) return Refused();
    return inputs;
  }

 private:
  const NumberReading& ReadingOf(Field field) const {
    return readings_[static_cast<std::size_t>(field)];
  }

  // The field's value when in `range`, else the refusal kept for Refused().
  bool Take(Field field, const Range& range, double& value) {
    const NumberReading& reading = ReadingOf(field);
    if (InRange(reading, range)) {
      value = reading.value;
      return true;
    }
    std::string message = FieldLabel(field, unit_);
    message += ": ";
    message += RangeText(range, unit_);
    message += '.';
    refusal_ = Refusal{field, std::move(message)};
    return false;
  }

  Refusal Refused() const { return *refusal_; }

  // The value of a field that is in its own range, for the ranges of others.
  std::optional<double> Valid(Field field, const Range& range) const {
    const NumberReading& reading = ReadingOf(field);
    if (!InRange(reading, range)) return std::nullopt;
    return reading.value;
  }

  Range FretsRange() const { return {1, kMostFrets, true}; }

  Range PerpendicularRange() const {
    return {0, Valid(Field::Frets, FretsRange()).value_or(kMostFrets), true};
  }

  Range SpanRange() const { return {limits_.narrowestSpan, limits_.widestSpan}; }

  // The strings at most asin(1/4) off the centre line for any treble scale
  // that the bass scale allows.
  Range BridgeSpanRange(double bassScale) const {
    const std::optional<double> nutSpan = Valid(Field::NutSpan, SpanRange());
    if (!nutSpan) return SpanRange();
    const double difference = std::max(limits_.shortestScale, bassScale / kScaleFactor) / 2;
    return {std::max(limits_.narrowestSpan, ShownLowest(*nutSpan - difference, unit_)),
            std::min(limits_.widestSpan, ShownHighest(*nutSpan + difference, unit_))};
  }

  // Within kScaleFactor of the bass scale, and within the fan's bounds when
  // the fields they follow from are in their own ranges (when one is not,
  // it is refused after this one).
  Range TrebleRange(double bassScale) const {
    Range range = {std::max(limits_.shortestScale, ShownLowest(bassScale / kScaleFactor, unit_)),
                   std::min(limits_.longestScale, ShownHighest(bassScale * kScaleFactor, unit_))};
    const auto frets = Valid(Field::Frets, FretsRange());
    const auto perpendicular = Valid(Field::PerpendicularFret, PerpendicularRange());
    const auto nutSpan = Valid(Field::NutSpan, SpanRange());
    const auto bridgeSpan = Valid(Field::BridgeSpan, BridgeSpanRange(bassScale));
    if (frets && perpendicular && nutSpan && bridgeSpan) {
      const Range fan = FanRange(bassScale, static_cast<int>(*perpendicular),
                                 static_cast<int>(*frets), *nutSpan, *bridgeSpan);
      range.lowest = std::max(range.lowest, ShownLowest(fan.lowest, unit_));
      range.highest = std::min(range.highest, ShownHighest(fan.highest, unit_));
    }
    return range;
  }

  Unit unit_;
  const Limits& limits_;
  std::array<NumberReading, kFieldCount> readings_{};
  std::optional<Refusal> refusal_;
};

// The length in the text converted by `factor` and written as the boxes
// show it; a text without a usable number stays as it is.
std::string ScaledText(const std::string& text, double factor, Unit to) {
  const NumberReading reading = ReadNumber(text);
  const double scaled = reading.value * factor;
  if (!reading.found || reading.overflow || !(std::fabs(scaled) < 1e12)) return text;
  return LengthText(scaled, to);
}

void AppendLengths(std::string& text, double first, double second, Unit unit) {
  text += LengthText(first, unit);
  if (second != first) {
    text += '/';
    text += LengthText(second, unit);
  }
}

}  // namespace

std::string FieldLabel(Field field, Unit unit) {
  switch (field) {
    case Field::BassScale:
      return "Scale length, bass side";
    case Field::TrebleScale:
      return "Scale length, treble side";
    case Field::PerpendicularFret:
      return "Perpendicular fret";
    case Field::Frets:
      return "Frets";
    case Field::NutSpan:
      return "String span at nut";
    case Field::BridgeSpan:
      return "String span at bridge";
    case Field::Overhang:
      return "Overhang";
    case Field::BoardEnd:
      return "Board end past last fret";
    case Field::SlotWidth:
      return "Slot width";
    case Field::RulerMeasures:
      break;
  }
  return unit == Unit::Inch ? "4 in ruler measures" : "100 mm ruler measures";
}

bool ScaleInRange(double scale, Unit unit) {
  const Limits& limits = LimitsOf(unit);
  return scale >= limits.shortestScale && scale <= limits.longestScale;
}

FieldTexts InputTexts(const TemplateInputs& inputs) {
  FieldTexts texts;
  const Unit unit = inputs.unit;
  texts[Field::BassScale] = LengthText(inputs.bassScale, unit);
  texts[Field::TrebleScale] = LengthText(inputs.trebleScale, unit);
  texts[Field::PerpendicularFret] = std::to_string(inputs.perpendicularFret);
  texts[Field::Frets] = std::to_string(inputs.frets);
  texts[Field::NutSpan] = LengthText(inputs.nutSpan, unit);
  texts[Field::BridgeSpan] = LengthText(inputs.bridgeSpan, unit);
  texts[Field::Overhang] = LengthText(inputs.overhang, unit);
  texts[Field::BoardEnd] = LengthText(inputs.boardEnd, unit);
  texts[Field::SlotWidth] = LengthText(inputs.slotWidth, unit);
  texts[Field::RulerMeasures] = LengthText(inputs.rulerMeasures, unit);
  return texts;
}

TemplateInputs InUnit(const TemplateInputs& inputs, Unit unit) {
  TemplateInputs converted = inputs;
  converted.unit = unit;
  for (double* length :
       {&converted.bassScale, &converted.trebleScale, &converted.nutSpan, &converted.bridgeSpan,
        &converted.overhang, &converted.boardEnd, &converted.slotWidth}) {
    *length = ConvertLength(*length, inputs.unit, unit);
  }
  converted.rulerMeasures *= LimitsOf(unit).rulerLength / LimitsOf(inputs.unit).rulerLength;
  return converted;
}

FieldTexts ConvertTexts(const FieldTexts& texts, Unit from, Unit to) {
  if (from == to) return texts;
  FieldTexts converted = texts;
  const double lengthFactor = ConvertLength(1, from, to);
  for (Field field : {Field::BassScale, Field::TrebleScale, Field::NutSpan, Field::BridgeSpan,
                      Field::Overhang, Field::BoardEnd, Field::SlotWidth}) {
    converted[field] = ScaledText(texts[field], lengthFactor, to);
  }
  converted[Field::RulerMeasures] = ScaledText(
      texts[Field::RulerMeasures], LimitsOf(to).rulerLength / LimitsOf(from).rulerLength, to);
  return converted;
}

InputsReading ReadInputs(const FieldTexts& texts, Unit unit, Paper paper) {
  return InputsReader(texts, unit).Read(paper);
}

std::string FileName(const TemplateInputs& inputs, FileKind kind) {
  std::string name = "frets-";
  name += LengthText(inputs.bassScale, inputs.unit);
  if (inputs.trebleScale != inputs.bassScale) {
    name += '-';
    name += LengthText(inputs.trebleScale, inputs.unit);
  }
  name += UnitSymbol(inputs.unit);
  name += kind == FileKind::Svg ? ".svg" : ".dxf";
  return name;
}

std::string Description(const TemplateInputs& inputs) {
  const Unit unit = inputs.unit;
  const std::string symbol(UnitSymbol(unit));
  std::string text;
  AppendLengths(text, inputs.bassScale, inputs.trebleScale, unit);
  text += ' ' + symbol;
  if (inputs.trebleScale != inputs.bassScale) {
    text += " (bass/treble), perpendicular fret " + std::to_string(inputs.perpendicularFret);
  }
  text += ", " + std::to_string(inputs.frets) + (inputs.frets == 1 ? " fret" : " frets");
  text += ", spans ";
  AppendLengths(text, inputs.nutSpan, inputs.bridgeSpan, unit);
  text += ' ' + symbol + ", overhang " + LengthText(inputs.overhang, unit) + ' ' + symbol;
  text += ", board end " + LengthText(inputs.boardEnd, unit) + ' ' + symbol;
  text += ", slot width " + LengthText(inputs.slotWidth, unit) + ' ' + symbol;
  return text;
}

}  // namespace korvanel::fret_template
