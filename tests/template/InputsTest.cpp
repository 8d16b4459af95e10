#include "template/Inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "template/Geometry.h"

namespace korvanel::fret_template {
namespace {

FieldTexts Defaults(Unit unit) { return InputTexts(InUnit(TemplateInputs{}, unit)); }

// The refusal of the texts, or "" when they are read.
std::string Refused(const FieldTexts& texts, Unit unit = Unit::Millimetre) {
  const InputsReading reading = ReadInputs(texts, unit, Paper::A4);
  const auto* refusal = std::get_if<Refusal>(&reading);
  return refusal ? refusal->message : "";
}

std::string WithField(Field field, const std::string& text, Unit unit = Unit::Millimetre) {
  FieldTexts texts = Defaults(unit);
  texts[field] = text;
  if (field == Field::BassScale) texts[Field::TrebleScale] = text;
  const InputsReading reading = ReadInputs(texts, unit, Paper::A4);
  const auto* refusal = std::get_if<Refusal>(&reading);
  if (!refusal) return "";
  EXPECT_EQ(refusal->field, field) << refusal->message;
  return refusal->message;
}

// The bounds a message names: "...: enter a length from A to B mm."
std::pair<std::string, std::string> NamedBounds(const std::string& message) {
  const std::size_t from = message.find(" from ") + 6;
  const std::size_t to = message.find(" to ", from);
  const std::size_t end = message.find(' ', to + 4);
  return {message.substr(from, to - from), message.substr(to + 4, end - to - 4)};
}

TEST(ReadInputsTest, TheStartingTextsReadAsTheStartingValues) {
  for (Unit unit : {Unit::Millimetre, Unit::Inch}) {
    const InputsReading reading = ReadInputs(Defaults(unit), unit, Paper::Letter);
    ASSERT_TRUE(std::holds_alternative<TemplateInputs>(reading)) << Refused(Defaults(unit), unit);
    const auto& inputs = std::get<TemplateInputs>(reading);
    EXPECT_EQ(inputs.unit, unit);
    EXPECT_EQ(inputs.paper, Paper::Letter);
    EXPECT_NEAR(ToMillimetres(inputs.bassScale, unit), 650, 0.003);
    EXPECT_NEAR(ToMillimetres(inputs.overhang, unit), 3.5, 0.003);
    EXPECT_EQ(inputs.rulerMeasures, unit == Unit::Inch ? 4 : 100);
  }
}

// Each field's message, and its refusal of what is no number in range.
TEST(ReadInputsTest, EachFieldNamesItselfAndItsRange) {
  const struct {
    Field field;
    const char* message;
  } fields[] = {
      {Field::BassScale, "Scale length, bass side: enter a length from 100 to 2000 mm."},
      {Field::Frets, "Frets: enter a whole number from 1 to 36."},
      {Field::PerpendicularFret, "Perpendicular fret: enter a whole number from 0 to 24."},
      {Field::NutSpan, "String span at nut: enter a length from 1 to 200 mm."},
      {Field::BridgeSpan, "String span at bridge: enter a length from 1 to 200 mm."},
      {Field::Overhang, "Overhang: enter a length from 0 to 20 mm."},
      {Field::BoardEnd, "Board end past last fret: enter a length from 0 to 20 mm."},
      {Field::SlotWidth, "Slot width: enter a length from 0 to 20 mm."},
      {Field::RulerMeasures, "100 mm ruler measures: enter a length from 90 to 110 mm."},
  };
  for (const auto& [field, message] : fields) {
    // "abc" and "" read as 0, in the slot width's range: still refused.
    for (const char* text : {"", "abc", "1E400", "NaN", "inf", "-infinity", "-3", "2001", "1e9"}) {
      EXPECT_EQ(WithField(field, text), message) << "'" << text << "'";
    }
  }
  EXPECT_EQ(WithField(Field::Frets, "24.5"), "Frets: enter a whole number from 1 to 36.");
  EXPECT_EQ(WithField(Field::RulerMeasures, "4.5", Unit::Inch),
            "4 in ruler measures: enter a length from 3.6 to 4.4 in.");
  EXPECT_EQ(WithField(Field::BassScale, "3.99", Unit::Inch),
            "Scale length, bass side: enter a length from 4 to 80 in.");
}

TEST(ReadInputsTest, BothEndsOfARangeAreIn) {
  const struct {
    Field field;
    const char *lowest, *below, *highest, *above;
  } ends[] = {
      {Field::BassScale, "100", "99.999", "2000", "2000.001"},
      {Field::Frets, "1", "0", "36", "37"},
      {Field::NutSpan, "1", "0.999", "200", "200.001"},
      {Field::Overhang, "0", "-0.001", "20", "20.001"},
      {Field::SlotWidth, "0 mm", "-1e-9", "2e1", "20.0000001"},
      {Field::RulerMeasures, "90", "89.999", "110", "110.001"},
  };
  for (const auto& [field, lowest, below, highest, above] : ends) {
    EXPECT_EQ(WithField(field, lowest), "") << lowest;
    EXPECT_EQ(WithField(field, highest), "") << highest;
    EXPECT_NE(WithField(field, below), "") << below;
    EXPECT_NE(WithField(field, above), "") << above;
  }
}

// Ranges that follow from other fields name exactly what they accept, and
// keep the board drawable.
TEST(ReadInputsTest, RangesThatFollowFromOtherFields) {
  FieldTexts texts = Defaults(Unit::Millimetre);
  texts[Field::Frets] = "12";
  texts[Field::PerpendicularFret] = "13";
  EXPECT_EQ(Refused(texts), "Perpendicular fret: enter a whole number from 0 to 12.");
  texts = Defaults(Unit::Millimetre);
  texts[Field::BassScale] = texts[Field::TrebleScale] = "100";
  texts[Field::BridgeSpan] = "86";
  EXPECT_EQ(Refused(texts), "String span at bridge: enter a length from 1 to 85 mm.");
  // Wide spans leave the fan room beyond 1.5 times the bass scale.
  texts = Defaults(Unit::Millimetre);
  texts[Field::NutSpan] = texts[Field::BridgeSpan] = "150";
  texts[Field::TrebleScale] = "2000";
  EXPECT_EQ(Refused(texts), "Scale length, treble side: enter a length from 433.334 to 975 mm.");

  // A wide fan on narrow strings: the fan's bounds come before the 1.5 times.
  texts[Field::BassScale] = "900";
  texts[Field::PerpendicularFret] = "12";
  texts[Field::NutSpan] = "10";
  texts[Field::BridgeSpan] = "20";
  const std::string message = Refused(texts);
  ASSERT_NE(message, "");
  const auto [lowest, highest] = NamedBounds(message);
  EXPECT_GT(std::stod(lowest), 600);
  EXPECT_LT(std::stod(highest), 1350);
  for (const std::string& bound : {lowest, highest}) {
    texts[Field::TrebleScale] = bound;
    const InputsReading reading = ReadInputs(texts, Unit::Millimetre, Paper::A4);
    ASSERT_TRUE(std::holds_alternative<TemplateInputs>(reading)) << bound;
    const BoardGeometry board = ComputeBoard(std::get<TemplateInputs>(reading));
    // The most slanted fret, no more than twice as long along x as across.
    const FretLine& nut = board.frets.front();
    const FretLine& last = board.frets.back();
    const double slant = std::max(std::fabs(nut.trebleCrossing.x - nut.bassCrossing.x) / 10,
                                  std::fabs(last.trebleCrossing.x - last.bassCrossing.x) /
                                      (last.trebleCrossing.y - last.bassCrossing.y));
    EXPECT_NEAR(slant, 2, 0.0001) << bound;
  }
  texts[Field::TrebleScale] = std::to_string(std::stod(lowest) - 0.001);
  EXPECT_EQ(Refused(texts), message);
  texts[Field::TrebleScale] = std::to_string(std::stod(highest) + 0.001);
  EXPECT_EQ(Refused(texts), message);
}

TEST(LengthTextTest, AsTheBoxesAndTheListShowLengths) {
  EXPECT_EQ(LengthText(650, Unit::Millimetre), "650");
  EXPECT_EQ(LengthText(647.70049, Unit::Millimetre), "647.7");
  EXPECT_EQ(LengthText(-0.0001, Unit::Millimetre), "0");
  EXPECT_EQ(DistanceText(36.4816, Unit::Millimetre), "36.482");
  EXPECT_EQ(DistanceText(1.4363, Unit::Inch), "1.4363");
  EXPECT_EQ(DistanceText(0, Unit::Inch), "0.0000");
  std::string fixed;
  AppendFixed(fixed, -12.3456789, 6);
  EXPECT_EQ(fixed, "-12.345679");
  EXPECT_THROW(AppendFixed(fixed, NAN, 6), std::domain_error);
  EXPECT_THROW(AppendFixed(fixed, 1e13, 6), std::domain_error);
}

TEST(ConvertTextsTest, AChangeOfUnitsConvertsTheLengthsOnly) {
  FieldTexts texts = Defaults(Unit::Millimetre);
  texts[Field::TrebleScale] = "abc";
  texts[Field::RulerMeasures] = "99";
  const FieldTexts inches = ConvertTexts(texts, Unit::Millimetre, Unit::Inch);
  EXPECT_EQ(inches[Field::BassScale], "25.5906");
  EXPECT_EQ(inches[Field::TrebleScale], "abc");
  EXPECT_EQ(inches[Field::Frets], "24");
  EXPECT_EQ(inches[Field::Overhang], "0.1378");
  EXPECT_EQ(inches[Field::RulerMeasures], "3.96");
  EXPECT_EQ(ConvertTexts(inches, Unit::Inch, Unit::Millimetre)[Field::BassScale], "650.001");
}

TEST(FileNameTest, NamesTheScalesAndTheUnit) {
  TemplateInputs inputs;
  EXPECT_EQ(FileName(inputs, FileKind::Svg), "frets-650mm.svg");
  inputs.bassScale = 686;
  inputs.trebleScale = 648;
  EXPECT_EQ(FileName(inputs, FileKind::Dxf), "frets-686-648mm.dxf");
  inputs = InUnit(inputs, Unit::Inch);
  inputs.bassScale = inputs.trebleScale = 25.5;
  EXPECT_EQ(FileName(inputs, FileKind::Svg), "frets-25.5in.svg");
}

}  // namespace
}  // namespace korvanel::fret_template
