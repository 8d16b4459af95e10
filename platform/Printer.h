#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Picture.h"
#include "platform/WindowDesign.h"

namespace korvanel {

// Every printer's document is named so in the print queue, and keeps this
// margin from each edge of the paper where the printer can print that close.
inline constexpr std::string_view kDocumentName = "Korvanel";
inline constexpr double kPrintMarginMillimetres = 15;

// Whether a region (its ISO 3166 code, "US") prints on Letter paper rather
// than A4, as Unicode's CLDR says.
bool UsesLetter(std::string_view region);

// A printer that prints whole lines of text one after the other. The first
// printed line opens the document; EndDoc closes it. There is no explicit
// start, page break or positioning. Every operation may fail with
// ControlError.
class Printer {
 public:
  virtual ~Printer() = default;

  // A face the device lacks is printed in a fixed-pitch stand-in: the
  // program's printouts line their columns up with blanks.
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

// A printer that prints pictures, each on a page of its own at 1:1: a
// millimetre of the picture is a millimetre on the paper, measured from the
// paper's top left corner. The first page opens the document; EndDoc closes
// it. Every operation may fail with ControlError.
class PicturePrinter {
 public:
  virtual ~PicturePrinter() = default;

  // The paper the pictures are drawn for, in millimetres; its sides say
  // whether it lies upright or across. Set before the print dialog, which
  // offers it; a printer given other paper there refuses the document.
  virtual void SetPaper(double width, double height) = 0;
  virtual void PrintPage(const Picture& page) = 0;
  virtual void EndDoc() = 0;
};

// The font of a DevicePrinter; no name: the device's fixed-pitch one.
struct PrintFont {
  std::string name;
  float points = 10;
  bool bold = false;
  bool italic = false;

  bool operator==(const PrintFont&) const = default;
};

// The printer object's rules, whatever the device: the settings and texts
// it takes, that the first printed line or page opens the document, and
// what a failure leaves: the document's later lines and pages fail with the
// same message, and ending it is a ControlError, once, unless the user
// cancelled its start. The device side gets each line whole, in the font and
// colour in force, and each page whole. A document holds lines or pages.
class DevicePrinter : public Printer, public PicturePrinter {
 public:
  // The report prints in 10 points. A line of 1000 is taller than an A4,
  // Letter or Legal page; the toolkits' own limits lie above it at a
  // printer's resolution (FreeType's 16-bit pixels per em, GDI's int height).
  static constexpr float kLargestFontSize = 1000;
  // A side of A0 and more: no printer's paper is larger.
  static constexpr double kLargestPaper = 2000;

  void SetFontName(std::string_view name) final;
  void SetFontSize(float points) final;
  void SetFontBold(bool bold) final;
  void SetFontItalic(bool italic) final;
  void SetForeColor(std::int32_t color) final;
  void PrintLine(std::string_view text) final;
  void PrintEmptyLine() final;
  void SetPaper(double width, double height) final;
  void PrintPage(const Picture& page) final;
  // Without a printed line or page there is no document and nothing to do.
  void EndDoc() final;

 protected:
  enum class Start { kStarted, kFailed, kCancelled, kNoPrinter, kOtherPaper };

  const PrintFont& Font() const { return font_; }
  Rgb ForeColor() const;
  bool InDocument() const { return inDocument_; }
  // The paper of a document of pages, in millimetres; none for lines.
  struct Paper {
    double width = 0;
    double height = 0;
  };
  const std::optional<Paper>& PagesPaper() const { return paper_; }

  // Opens the document.
  virtual Start StartDocument() = 0;
  // Adds line `number` (from 0) of the document in Font() and ForeColor():
  // `text`, valid UTF-8, or none for an empty line.
  virtual void AddLine(std::size_t number, std::optional<std::string_view> text) = 0;
  // Adds page `number` (from 0) of a document of pages on PagesPaper().
  virtual void AddPage(std::size_t number, const Picture& page) = 0;
  // The paper of the pages has been set: a device whose dialog offers the
  // paper takes it now.
  virtual void PaperChanged() {}
  // Ends the document: false when the device cannot; a ControlError of its
  // own when the finished document is refused.
  virtual bool EndDocument() = 0;

  // The line fails with `message`, and so does the rest of the document.
  [[noreturn]] void Fail(const char* message);

 private:
  // Opens the document unless it is open; false when a failure stands.
  void OpenDocument();
  void PrintInDocument(std::optional<std::string_view> text);

  PrintFont font_;
  std::int32_t color_ = 0;
  bool inDocument_ = false;
  bool cancelled_ = false;
  std::optional<std::string> failure_;
  std::optional<Paper> paper_;
  // Lines or pages of the document so far.
  std::size_t printed_ = 0;
};

}  // namespace korvanel
