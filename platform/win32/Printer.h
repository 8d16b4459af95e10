#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/PagedPrinter.h"
#include "platform/win32/Fonts.h"

namespace korvanel::win32 {

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
// A device context the holder deletes.
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// Draws the lines of a PagedPrinter on a GDI printer device, inside the
// program's margins at the line height of the font (tmHeight +
// tmExternalLeading). A face the printer cannot use (a screen bitmap font
// such as Fixedsys) is replaced by a fixed-pitch TrueType face, so that
// columns made of blanks still line up. Choosing the printer is left to
// the print dialog, which hands the device over with UseDevice.
class GdiPrinter : public PagedPrinter {
 public:
  // What starts a document on the device: StartDocW, or a stand-in.
  using StartDocFunction = int(WINAPI*)(HDC, const DOCINFOW*);

  // Without a `device`, the printer has none until the dialog gives it one.
  // With an `outputFile`, documents go into that file (DOCINFOW.lpszOutput)
  // rather than to the printer's port.
  explicit GdiPrinter(UniqueDc device = nullptr, std::wstring outputFile = {},
                      StartDocFunction startDoc = StartDocW);
  // Abandons a document still open.
  ~GdiPrinter() override;

  GdiPrinter(const GdiPrinter&) = delete;
  GdiPrinter& operator=(const GdiPrinter&) = delete;

  // The device for the next document, as the print dialog returned it. With
  // `printToFile` the spooler asks for the file ("FILE:" as the output).
  void UseDevice(UniqueDc device, bool printToFile);
  // Writes the paper of a document of pages (its size, upright or across)
  // into the settings the print dialog opens with, so that the dialog
  // offers it; false, and `mode` as it was, for a document of lines.
  bool OfferPagesPaper(DEVMODEW& mode) const;
  bool PrintsPages() const { return PagesPaper().has_value(); }

 private:
  // A file-name prompt that the user cancels inside StartDoc is kCancelled;
  // a document of pages on a device with other paper (as the user set it in
  // the dialog) is kOtherPaper: the pages are laid out for their paper, and
  // no printer shrinks or turns them to fit another.
  Start StartDocument() override;
  bool OnPagesPaper() const;
  void AddPage(std::size_t number, const Picture& page) override;
  // Selects the font of the current settings and returns its line height.
  double LineHeight() override;
  bool NewPage() override;
  void DrawLine(double top, std::string_view text) override;
  bool EndDocument() override;
  // What a new page loses: text alignment, background mode and font.
  void PreparePage();

  // The font made for `madeFor_`. Declared before the device, so that the
  // device is deleted first and the font is no longer selected into it.
  UniqueFont font_;
  std::optional<PrintFont> madeFor_;
  UniqueDc device_;
  StartDocFunction startDoc_ = StartDocW;
  std::wstring outputFile_;
  std::wstring output_;

  // The printable rectangle inside the margins, in device units.
  RECT area_{};
};

// The face that `dc` prints for `requested`: the first of its print faces
// (platform/Fonts.h) that the device has as a TrueType or device (printer)
// font, else "Courier New", which every printer of Windows has.
std::wstring PrintableFace(HDC dc, std::string_view requested);

// The program's margins measured from the edge of the paper, as a rectangle
// in the device units of `dc` (whose origin is the corner of the printable
// area). A printer that cannot print that close to the edge keeps its own
// margins.
RECT MarginRect(HDC dc);

}  // namespace korvanel::win32
