#include "template/Files.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "tests/core/CommaLocale.h"
#include "tests/core/ResultHash.h"

namespace korvanel::fret_template {
namespace {

BoardGeometry Board(double bass, double treble, Unit unit = Unit::Millimetre, double slot = 0) {
  TemplateInputs inputs;
  inputs.bassScale = bass;
  inputs.trebleScale = treble;
  inputs.perpendicularFret = 8;
  inputs.slotWidth = slot;
  if (unit == Unit::Inch) inputs = InUnit(inputs, unit);
  return ComputeBoard(inputs);
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

std::uint64_t Hash(const std::string& bytes) {
  test::ResultHash hash;
  hash.Add(bytes.data(), bytes.size());
  return hash.value;
}

// The bytes of the files, recorded: the same on Linux, under Wine and in
// the browser, whose libraries differ.
TEST(FilesTest, TheSameBytesOnEveryRuntime) {
  const struct {
    BoardGeometry board;
    std::uint64_t svg;
    std::uint64_t dxf;
  } files[] = {
      {Board(648, 648), 0xF3CCEFC5E9339A90, 0x072CA8023D615B09},
      {Board(686, 648), 0x0E56653348452A94, 0xAF42898210BF9DEB},
      {Board(686, 648, Unit::Inch, 0.6), 0xD697351A55B77EE0, 0xFD94A3C1A6ABD221},
      {Board(1999.9, 1333.3, Unit::Millimetre, 0.5), 0x0FFAA6B56E9C1CB9, 0x60640AC42E77992A},
  };
  for (const auto& [board, svg, dxf] : files) {
    const std::string name = FileName(board.inputs, FileKind::Svg);
    EXPECT_EQ(Hash(BoardSvg(board)), svg) << name << std::hex << " " << Hash(BoardSvg(board));
    EXPECT_EQ(Hash(BoardDxf(board)), dxf) << name << std::hex << " " << Hash(BoardDxf(board));
  }
}

TEST(FilesTest, NumbersKeepTheirPointInACommaLocale) {
  const BoardGeometry board = Board(686, 648);
  const std::string svg = BoardSvg(board);
  const std::string dxf = BoardDxf(board);
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!test::UseCommaLocale()) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(BoardSvg(board), svg);
  EXPECT_EQ(BoardDxf(board), dxf);
  std::setlocale(LC_ALL, saved.c_str());
}

// What the readers of check_files.py do not see: the bounds the size is
// made from, and the hairlines. (They read the layers, the closed paths and
// the units, of the same bytes as every runtime's.)
TEST(SvgFileTest, TrueSizeAndHairlines) {
  const std::string lines = BoardSvg(Board(648, 648));
  // From the nut at x = 0 to the bridge at 647.944249, the top of the bass
  // edge at the board's end to the bottom of fret 24's number, 2 mm around.
  EXPECT_NE(lines.find(" width=\"651.944249mm\" height=\"63.829313mm\" "
                       "viewBox=\"-2.000000 -29.454012 651.944249 63.829313\">"),
            std::string::npos)
      << lines.substr(0, 400);
  EXPECT_EQ(Count(lines, "stroke-width=\"0.025400\""), 7u);
  EXPECT_EQ(Count(BoardSvg(Board(686, 648, Unit::Inch)), "stroke-width=\"0.001000\""), 7u);
}

}  // namespace
}  // namespace korvanel::fret_template
