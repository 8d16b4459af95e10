#include "platform/win32/GdiPrinter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr double kMarginMillimetres = 15;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerInch = 72;
constexpr std::int32_t kLargestColor = 0x00FFFFFF;
constexpr wchar_t kDocumentName[] = L"Korvanel";

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

int Pixels(double millimetres, int dotsPerInch) {
  return static_cast<int>(std::lround(millimetres * dotsPerInch / kMillimetresPerInch));
}

}  // namespace

std::wstring PrintableFace(HDC dc, std::wstring_view requested) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  if (requested.empty() || requested.size() >= LF_FACESIZE) return kStandInFace;
  std::copy(requested.begin(), requested.end(), wanted.lfFaceName);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, NoteOutlineOrDeviceFont, reinterpret_cast<LPARAM>(&found), 0);
  return found ? std::wstring(requested) : std::wstring(kStandInFace);
}

RECT MarginRect(HDC dc) {
  const int marginX = Pixels(kMarginMillimetres, GetDeviceCaps(dc, LOGPIXELSX));
  const int marginY = Pixels(kMarginMillimetres, GetDeviceCaps(dc, LOGPIXELSY));
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

GdiPrinter::GdiPrinter(std::wstring outputFile)
    : outputFile_(std::move(outputFile)), output_(outputFile_) {}

GdiPrinter::GdiPrinter(UniqueDc device, std::wstring outputFile, StartDocFunction startDoc)
    : device_(std::move(device)),
      startDoc_(startDoc),
      outputFile_(std::move(outputFile)),
      output_(outputFile_) {}

GdiPrinter::~GdiPrinter() {
  if (inDocument_) AbortDoc(device_.get());
  ReleaseFont();
}

void GdiPrinter::UseDevice(UniqueDc device, bool printToFile) {
  if (inDocument_) throw ControlError("The printer cannot change in the middle of a document.");
  ReleaseFont();
  device_ = std::move(device);
  output_ = printToFile ? std::wstring(L"FILE:") : outputFile_;
}

void GdiPrinter::SetFontName(std::string_view name) {
  fontName_ = WideFromUtf8(name);
  fontChanged_ = true;
}

void GdiPrinter::SetFontSize(float points) {
  if (!(points > 0) || points > 1000) throw ControlError("Invalid font size for the printer.");
  points_ = points;
  fontChanged_ = true;
}

void GdiPrinter::SetFontBold(bool bold) {
  bold_ = bold;
  fontChanged_ = true;
}

void GdiPrinter::SetFontItalic(bool italic) {
  italic_ = italic;
  fontChanged_ = true;
}

void GdiPrinter::SetForeColor(std::int32_t color) {
  if (color < 0 || color > kLargestColor) throw ControlError("Invalid colour for the printer.");
  // 0x00BBGGRR is how GDI writes a colour too.
  color_ = static_cast<COLORREF>(color);
}

void GdiPrinter::PrintLine(std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  const int top = PlaceLine();
  HDC dc = device_.get();
  SetTextColor(dc, color_);
  if (!TextOutW(dc, area_.left, top, wide.data(), static_cast<int>(wide.size()))) {
    throw ControlError("The printer could not print the line.");
  }
}

void GdiPrinter::PrintEmptyLine() { PlaceLine(); }

void GdiPrinter::EndDoc() {
  // A cancelled file-name prompt was the user's choice, not a failure.
  bool failed = failed_ && !cancelled_;
  if (inDocument_) {
    HDC dc = device_.get();
    if (EndPage(dc) <= 0) failed = true;
    if (::EndDoc(dc) <= 0) failed = true;
  }
  inDocument_ = false;
  failed_ = false;
  cancelled_ = false;
  linesOnPage_ = 0;
  if (failed) throw ControlError("The printer could not finish the document.");
}

void GdiPrinter::BeginDocument() {
  if (cancelled_) throw ControlError("Printing was cancelled.");
  if (failed_) throw ControlError("The printer could not start the document.");
  if (!device_) throw ControlError("No printer has been chosen.");
  HDC dc = device_.get();
  DOCINFOW info{};
  info.cbSize = sizeof info;
  info.lpszDocName = kDocumentName;
  info.lpszOutput = output_.empty() ? nullptr : output_.c_str();
  if (startDoc_(dc, &info) <= 0) {
    // Printing to a file, or to a driver that writes one (Microsoft Print to
    // PDF), asks for its name inside StartDoc; cancelling that prompt fails
    // it with ERROR_CANCELLED.
    failed_ = true;
    cancelled_ = GetLastError() == ERROR_CANCELLED;
    if (cancelled_) throw ControlError("Printing was cancelled.");
    throw ControlError("The printer could not start the document.");
  }
  if (StartPage(dc) <= 0) {
    AbortDoc(dc);
    failed_ = true;
    throw ControlError("The printer could not start the document.");
  }
  inDocument_ = true;
  SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  SetBkMode(dc, TRANSPARENT);
  area_ = MarginRect(dc);
  nextTop_ = area_.top;
  linesOnPage_ = 0;
}

int GdiPrinter::PlaceLine() {
  if (!inDocument_) BeginDocument();
  int lineHeight = SelectFont();
  if (nextTop_ + lineHeight > area_.bottom && linesOnPage_ > 0) {
    HDC dc = device_.get();
    if (EndPage(dc) <= 0 || StartPage(dc) <= 0) {
      failed_ = true;
      throw ControlError("The printer could not start a new page.");
    }
    // A new page may come with the device's defaults again.
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, font_.get());
    nextTop_ = area_.top;
    linesOnPage_ = 0;
  }
  const int top = nextTop_;
  nextTop_ += lineHeight;
  ++linesOnPage_;
  return top;
}

int GdiPrinter::SelectFont() {
  HDC dc = device_.get();
  if (fontChanged_ || !font_) {
    const int dotsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    const int height = std::max(1, static_cast<int>(std::lround(static_cast<double>(points_) *
                                                                dotsPerInch / kPointsPerInch)));
    const std::wstring face = PrintableFace(dc, fontName_);
    // A negative height asks for the character height (the em), as a point
    // size means it.
    UniqueFont font(CreateFontW(-height, 0, 0, 0, bold_ ? FW_BOLD : FW_NORMAL, italic_, FALSE,
                                FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, face.c_str()));
    if (!font) throw ControlError("The printer font could not be made.");
    HGDIOBJ previous = SelectObject(dc, font.get());
    if (previous == nullptr || previous == HGDI_ERROR) {
      throw ControlError("The printer font could not be selected.");
    }
    if (deviceFont_ == nullptr) deviceFont_ = previous;
    font_ = std::move(font);
    fontChanged_ = false;
  }
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(dc, &metrics)) throw ControlError("The printer font could not be measured.");
  return metrics.tmHeight + metrics.tmExternalLeading;
}

void GdiPrinter::ReleaseFont() {
  if (deviceFont_ != nullptr && device_) SelectObject(device_.get(), deviceFont_);
  deviceFont_ = nullptr;
  font_.reset();
  fontChanged_ = true;
}

}  // namespace korvanel::win32
