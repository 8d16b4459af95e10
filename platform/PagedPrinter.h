#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Printer.h"

namespace korvanel {

// The font a PagedPrinter prints in. An empty name is the drawing side's
// fixed-pitch stand-in.
struct PrintFont {
  std::string name;
  float points = 10;
  bool bold = false;
  bool italic = false;

  bool operator==(const PrintFont&) const = default;
};

// The printer object's rules, the same on every toolkit: which settings and
// texts it takes, when a document starts, where a line goes and when a page
// breaks, and what a failure leaves for the next line and for EndDoc. Lines
// go one under the other from the top of the page's printable area, each as
// high as the drawing side measures the font in force; a line that would
// cross the bottom of the area goes on a new page, unless it is the first of
// its page. Once a document has failed, its later lines fail at once with
// the same message and ending it is a ControlError, once; a start the user
// cancelled fails the lines too but ends quietly.
//
// Drawing is left to the toolkit's side, through the protected functions
// below; positions are in its device units, from the top of the area.
class PagedPrinter : public Printer {
 public:
  // Font sizes from above 0 to this many points. The report prints in 10;
  // a line of 1000 points is already taller than an A4, Letter or Legal
  // page, and the toolkits' own limits lie above it at a printer's
  // resolution (FreeType's 16-bit pixels per em, GDI's int font height).
  static constexpr float kLargestFontSize = 1000;

  void SetFontName(std::string_view name) final;
  void SetFontSize(float points) final;
  void SetFontBold(bool bold) final;
  void SetFontItalic(bool italic) final;
  void SetForeColor(std::int32_t color) final;
  void PrintLine(std::string_view text) final;
  void PrintEmptyLine() final;
  // Without a printed line there is no document and nothing to do.
  void EndDoc() final;

 protected:
  enum class Start { kStarted, kFailed, kCancelled, kNoPrinter };

  const PrintFont& Font() const { return font_; }
  // As the program sets it: 0x00BBGGRR.
  std::int32_t ForeColor() const { return color_; }
  bool InDocument() const { return inDocument_; }

  // Opens the document and its first page.
  virtual Start StartDocument() = 0;
  // The height of the printable area, and of a line in Font().
  virtual double PageHeight() = 0;
  virtual double LineHeight() = 0;
  // Ends the page and starts the next; false when the device cannot.
  virtual bool NewPage() = 0;
  // Draws `text` (valid UTF-8) in Font() and ForeColor() as the line whose
  // top is `top`.
  virtual void DrawLine(double top, std::string_view text) = 0;
  // Ends the page and the document; false when the device cannot. May raise
  // its own ControlError when the finished document is refused.
  virtual bool EndDocument() = 0;

 private:
  // Starts the document or the next page as needed; returns the line's top.
  double PlaceLine();
  [[noreturn]] void Fail(const char* message);

  PrintFont font_;
  std::int32_t color_ = 0;
  bool inDocument_ = false;
  bool cancelled_ = false;
  std::optional<std::string> failure_;
  double nextTop_ = 0;
  int linesOnPage_ = 0;
};

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsUtf8(std::string_view text);

}  // namespace korvanel
