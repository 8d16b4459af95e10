#pragma once

#include <cstdint>
#include <string_view>

namespace korvanel {

// A printer that prints whole lines of text one after the other. The first
// printed line opens the document; EndDoc closes it. There is no explicit
// start, page break or positioning. Every operation may fail with
// ControlError.
class Printer {
 public:
  virtual ~Printer() = default;

  virtual void SetFontName(std::string_view name) = 0;
  virtual void SetFontSize(float points) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontItalic(bool italic) = 0;
  // Colour of the text as 0x00BBGGRR; 0 is black.
  virtual void SetForeColor(std::int32_t color) = 0;
  // Prints `text` and ends the line.
  virtual void PrintLine(std::string_view text) = 0;
  // Ends a line with nothing on it.
  virtual void PrintEmptyLine() = 0;
  virtual void EndDoc() = 0;
};

}  // namespace korvanel
