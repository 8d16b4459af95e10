#pragma once

#include <cstdint>
#include <optional>
#include <string>
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

// The font of a PagedPrinter; no name: the drawing side's fixed-pitch one.
struct PrintFont {
  std::string name;
  float points = 10;
  bool bold = false;
  bool italic = false;

  bool operator==(const PrintFont&) const = default;
};

// The printer object's rules, whatever the toolkit: the settings and texts
// it takes, when a document starts, where a line goes (one under the other
// from the top of the printable area; a line that would cross its bottom
// starts a new page, unless it is the first of its page), and what a failure
// leaves: the document's later lines fail with the same message, and ending
// it is a ControlError, once, unless the user cancelled its start. The
// toolkit's side only draws, through the protected functions, in its device
// units from the top of the area.
class PagedPrinter : public Printer {
 public:
  // The report prints in 10 points. A line of 1000 is taller than an A4,
  // Letter or Legal page; the toolkits' own limits lie above it at a
  // printer's resolution (FreeType's 16-bit pixels per em, GDI's int height).
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
  std::int32_t ForeColor() const { return color_; }  // 0x00BBGGRR
  bool InDocument() const { return inDocument_; }

  // Opens the document and its first page.
  virtual Start StartDocument() = 0;
  virtual double PageHeight() = 0;
  virtual double LineHeight() = 0;  // in Font()
  // Ends the page and starts the next; false when the device cannot.
  virtual bool NewPage() = 0;
  // Draws valid UTF-8 `text` in Font() and ForeColor() below `top`.
  virtual void DrawLine(double top, std::string_view text) = 0;
  // Ends the page and the document: false when the device cannot; a
  // ControlError of its own when the finished document is refused.
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
};

}  // namespace korvanel
