#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/Printer.h"

namespace korvanel::win32 {

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
// A device context the holder deletes.
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// Prints whole lines of text on a GDI printer device, one under the other
// from a top margin of 15 mm at the line height of the font in force
// (tmHeight + tmExternalLeading). The first printed line starts the document
// and its first page; a line that no longer fits above the bottom margin
// starts a new page. A face the printer cannot use (a screen bitmap font
// such as Fixedsys) is replaced by a fixed-pitch TrueType face, so that
// columns made of blanks still line up. Choosing the printer is left to
// the print dialog, which hands the device over with UseDevice.
class GdiPrinter : public Printer {
 public:
  // What starts a document on the device: StartDocW, or a stand-in.
  using StartDocFunction = int(WINAPI*)(HDC, const DOCINFOW*);

  // A printer without a device until the dialog gives it one. With an
  // `outputFile`, documents go into that file (DOCINFOW.lpszOutput) rather
  // than to the printer's port.
  explicit GdiPrinter(std::wstring outputFile = {});
  GdiPrinter(UniqueDc device, std::wstring outputFile, StartDocFunction startDoc = StartDocW);
  // Abandons a document still open.
  ~GdiPrinter() override;

  GdiPrinter(const GdiPrinter&) = delete;
  GdiPrinter& operator=(const GdiPrinter&) = delete;

  // The device for the next document, as the print dialog returned it. With
  // `printToFile` the spooler asks for the file ("FILE:" as the output).
  void UseDevice(UniqueDc device, bool printToFile);

  void SetFontName(std::string_view name) override;
  void SetFontSize(float points) override;
  void SetFontBold(bool bold) override;
  void SetFontItalic(bool italic) override;
  void SetForeColor(std::int32_t color) override;
  void PrintLine(std::string_view text) override;
  void PrintEmptyLine() override;
  // Ends the page and the document. Without a printed line there is no
  // document and nothing to do; a document that failed on the way, or that
  // the device refuses to end, is a ControlError (once). A document whose
  // file-name prompt the user cancelled ends quietly.
  void EndDoc() override;

 private:
  struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
  };
  using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

  void BeginDocument();
  // Starts the document or the next page as needed; returns the top of the
  // line in device units.
  int PlaceLine();
  // Selects the font of the current settings and returns its line height.
  int SelectFont();
  void ReleaseFont();

  UniqueDc device_;
  StartDocFunction startDoc_ = StartDocW;
  std::wstring outputFile_;
  std::wstring output_;

  std::wstring fontName_ = L"Courier New";
  float points_ = 10;
  bool bold_ = false;
  bool italic_ = false;
  COLORREF color_ = RGB(0, 0, 0);
  UniqueFont font_;
  bool fontChanged_ = true;
  HGDIOBJ deviceFont_ = nullptr;

  bool inDocument_ = false;
  // The document could not start or failed on the way; `cancelled_`: the
  // user cancelled its start.
  bool failed_ = false;
  bool cancelled_ = false;
  // The printable rectangle inside the margins, and the top of the next
  // line, in device units.
  RECT area_{};
  int nextTop_ = 0;
  int linesOnPage_ = 0;
};

// The face that `dc` prints for `requested`: the face itself when the device
// has it as a TrueType or device (printer) font, else "Courier New".
std::wstring PrintableFace(HDC dc, std::wstring_view requested);

// The 15 mm margins measured from the edge of the paper, as a rectangle in
// the device units of `dc` (whose origin is the corner of the printable
// area). A printer that cannot print that close to the edge keeps its own
// margins.
RECT MarginRect(HDC dc);

}  // namespace korvanel::win32
