#include "platform/win32/Printer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ControlError.h"
#include "platform/Fonts.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr double kMillimetresPerInch = 25.4;
// How far a device's paper may be from the pages' and still be theirs: the
// drivers give A4 in whole points or pixels.
constexpr double kPaperTolerance = 1;

// Fixedsys, the report's font, is a bitmap font made for the screen: a
// printer has no such font and Windows would pick some proportional face in
// its place. Courier New is fixed-pitch, TrueType (so every printer can
// print it) and part of every Windows installation.
constexpr wchar_t kStandInFace[] = L"Courier New";

int CALLBACK NoteOutlineOrDeviceFont(const LOGFONTW*, const TEXTMETRICW*, DWORD fontType,
                                     LPARAM found) {
  if ((fontType & (TRUETYPE_FONTTYPE | DEVICE_FONTTYPE)) != 0) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
  }
  return 1;
}

bool HasOutlineOrDeviceFont(HDC dc, const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  std::copy(face.begin(), face.end(), wanted.lfFaceName);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, NoteOutlineOrDeviceFont, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

int Pixels(double millimetres, int dotsPerInch) {
  return static_cast<int>(std::lround(millimetres * dotsPerInch / kMillimetresPerInch));
}

}  // namespace

std::wstring PrintableFace(HDC dc, std::string_view requested) {
  for (const std::string_view face : PrintFaces(requested)) {
    std::wstring wide = WideFromUtf8(face);
    if (HasOutlineOrDeviceFont(dc, wide)) return wide;
  }
  return kStandInFace;
}

RECT MarginRect(HDC dc) {
  const int marginX = Pixels(kPrintMarginMillimetres, GetDeviceCaps(dc, LOGPIXELSX));
  const int marginY = Pixels(kPrintMarginMillimetres, GetDeviceCaps(dc, LOGPIXELSY));
  const int offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
  const int offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
  const int width = GetDeviceCaps(dc, HORZRES);
  const int height = GetDeviceCaps(dc, VERTRES);
  RECT area;
  area.left = std::max(0, marginX - offsetX);
  area.top = std::max(0, marginY - offsetY);
  area.right = std::min(width, GetDeviceCaps(dc, PHYSICALWIDTH) - offsetX - marginX);
  area.bottom = std::min(height, GetDeviceCaps(dc, PHYSICALHEIGHT) - offsetY - marginY);
  // Paper too small for the margins (or a device that is no printer): the
  // whole printable area.
  if (area.right <= area.left) area.right = width;
  if (area.bottom <= area.top) area.bottom = height;
  return area;
}

GdiPrinter::GdiPrinter(UniqueDc device, std::wstring outputFile, StartDocFunction startDoc)
    : device_(std::move(device)),
      startDoc_(startDoc),
      outputFile_(std::move(outputFile)),
      output_(outputFile_) {}

GdiPrinter::~GdiPrinter() {
  if (InDocument()) AbortDoc(device_.get());
}

void GdiPrinter::UseDevice(UniqueDc device, bool printToFile) {
  if (InDocument()) throw ControlError("The printer cannot change in the middle of a document.");
  device_ = std::move(device);
  font_.reset();
  output_ = printToFile ? std::wstring(L"FILE:") : outputFile_;
}

bool GdiPrinter::OfferPagesPaper(DEVMODEW& mode) const {
  if (!PagesPaper()) return false;
  const Paper& paper = *PagesPaper();
  const double shorter = std::min(paper.width, paper.height);
  const double longer = std::max(paper.width, paper.height);
  const auto is = [shorter, longer](double width, double height) {
    return std::abs(shorter - width) < kPaperTolerance &&
           std::abs(longer - height) < kPaperTolerance;
  };
  mode.dmOrientation = paper.width > paper.height ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  mode.dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
  mode.dmFields &= ~static_cast<DWORD>(DM_PAPERWIDTH | DM_PAPERLENGTH);
  if (is(210, 297)) {
    mode.dmPaperSize = DMPAPER_A4;
  } else if (is(215.9, 279.4)) {
    mode.dmPaperSize = DMPAPER_LETTER;
  } else {
    // Any other size, upright, in tenths of a millimetre.
    mode.dmPaperSize = DMPAPER_USER;
    mode.dmPaperWidth = static_cast<short>(std::lround(shorter * 10));
    mode.dmPaperLength = static_cast<short>(std::lround(longer * 10));
    mode.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
  }
  return true;
}

bool GdiPrinter::OnPagesPaper() const {
  HDC dc = device_.get();
  const Paper& paper = *PagesPaper();
  // The paper in the device's orientation.
  const double width =
      GetDeviceCaps(dc, PHYSICALWIDTH) * kMillimetresPerInch / GetDeviceCaps(dc, LOGPIXELSX);
  const double height =
      GetDeviceCaps(dc, PHYSICALHEIGHT) * kMillimetresPerInch / GetDeviceCaps(dc, LOGPIXELSY);
  return std::abs(width - paper.width) <= kPaperTolerance &&
         std::abs(height - paper.height) <= kPaperTolerance;
}

PagedPrinter::Start GdiPrinter::StartDocument() {
  if (!device_) return Start::kNoPrinter;
  if (PagesPaper() && !OnPagesPaper()) return Start::kOtherPaper;
  HDC dc = device_.get();
  DOCINFOW info{};
  info.cbSize = sizeof info;
  const std::wstring name = WideFromUtf8(kDocumentName);
  info.lpszDocName = name.c_str();
  info.lpszOutput = output_.empty() ? nullptr : output_.c_str();
  if (startDoc_(dc, &info) <= 0) {
    // Printing to a file, or to a driver that writes one (Microsoft Print to
    // PDF), asks for its name inside StartDoc; cancelling that prompt fails
    // it with ERROR_CANCELLED.
    return GetLastError() == ERROR_CANCELLED ? Start::kCancelled : Start::kFailed;
  }
  if (StartPage(dc) <= 0) {
    AbortDoc(dc);
    return Start::kFailed;
  }
  area_ = MarginRect(dc);
  SetPageHeight(area_.bottom - area_.top);
  PreparePage();
  return Start::kStarted;
}

double GdiPrinter::LineHeight() {
  HDC dc = device_.get();
  if (!font_ || madeFor_ != Font()) {
    const int height = std::max(1, FontPixels(Font().points, GetDeviceCaps(dc, LOGPIXELSY)));
    const std::wstring face = PrintableFace(dc, Font().name);
    // A negative height asks for the character height (the em), as a point
    // size means it.
    UniqueFont font(CreateFontW(-height, 0, 0, 0, Font().bold ? FW_BOLD : FW_NORMAL, Font().italic,
                                FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, face.c_str()));
    if (!font) throw ControlError("The printer font could not be made.");
    HGDIOBJ previous = SelectObject(dc, font.get());
    if (previous == nullptr || previous == HGDI_ERROR) {
      throw ControlError("The printer font could not be selected.");
    }
    font_ = std::move(font);  // deletes the one it replaced, no longer selected
    madeFor_ = Font();
  }
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(dc, &metrics)) throw ControlError("The printer font could not be measured.");
  return metrics.tmHeight + metrics.tmExternalLeading;
}

bool GdiPrinter::NewPage() {
  HDC dc = device_.get();
  if (EndPage(dc) <= 0 || StartPage(dc) <= 0) return false;
  PreparePage();
  return true;
}

void GdiPrinter::DrawLine(double top, std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  HDC dc = device_.get();
  const Rgb color = ForeColor();
  SetTextColor(dc, RGB(color.red, color.green, color.blue));
  if (!TextOutW(dc, area_.left, area_.top + static_cast<int>(top), wide.data(),
                static_cast<int>(wide.size()))) {
    throw ControlError("The printer could not print the line.");
  }
}

bool GdiPrinter::EndDocument() {
  HDC dc = device_.get();
  const bool pageEnded = EndPage(dc) > 0;
  return ::EndDoc(dc) > 0 && pageEnded;
}

void GdiPrinter::AddPage(std::size_t number, const Picture& page) {
  HDC dc = device_.get();
  if (number > 0 && !NewPage()) Fail("The printer could not start a new page.");
  const double perMillimetreX = GetDeviceCaps(dc, LOGPIXELSX) / kMillimetresPerInch;
  const double perMillimetreY = GetDeviceCaps(dc, LOGPIXELSY) / kMillimetresPerInch;
  // The device's origin is the corner of its printable area, not the paper's.
  const POINT origin{-GetDeviceCaps(dc, PHYSICALOFFSETX), -GetDeviceCaps(dc, PHYSICALOFFSETY)};
  const int lineWidth =
      std::max(1, static_cast<int>(std::lround(kPrintedLineMillimetres * perMillimetreX)));
  DrawPicture(dc, page, {perMillimetreX, perMillimetreY, origin, lineWidth});
}

void GdiPrinter::PreparePage() {
  // A new page may come with the device's defaults again.
  HDC dc = device_.get();
  SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  SetBkMode(dc, TRANSPARENT);
  if (font_) SelectObject(dc, font_.get());
}

}  // namespace korvanel::win32
