#include "platform/Printer.h"

#include <bit>

#include "platform/ControlError.h"

namespace korvanel {

namespace {

constexpr std::int32_t kLargestColor = 0x00FFFFFF;

// Well-formed UTF-8: no overlong form, surrogate or value past U+10FFFF.
void CheckText(std::string_view text) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  for (std::size_t i = 0, length = 1; i < text.size(); i += length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int ones = std::countl_one(lead);
    length = ones == 0 ? 1 : ones == 1 || ones > 4 ? 0 : static_cast<std::size_t>(ones);
    char32_t code = lead & (0xFFu >> (length + 1));
    bool valid = length > 0 && text.size() - i >= length;
    for (std::size_t k = 1; valid && k < length; ++k) {
      const unsigned byte = static_cast<unsigned char>(text[i + k]);
      valid = (byte & 0xC0) == 0x80;
      code = (code << 6) | (byte & 0x3F);
    }
    if (!valid || code < kSmallest[length] || code > 0x10FFFF || (code >> 11) == 0x1B) {
      throw ControlError("The text is not valid UTF-8.");
    }
  }
}

}  // namespace

bool UsesLetter(std::string_view region) {
  static constexpr std::string_view kLetterRegions[] = {"BZ", "CA", "CL", "CO", "CR", "GT", "MX",
                                                        "NI", "PA", "PH", "PR", "SV", "US", "VE"};
  for (const std::string_view letter : kLetterRegions) {
    if (letter == region) return true;
  }
  return false;
}

void DevicePrinter::SetFontName(std::string_view name) {
  CheckText(name);
  font_.name = name;
}

void DevicePrinter::SetFontSize(float points) {
  if (!(points > 0) || points > kLargestFontSize)
    throw ControlError("Invalid font size for the printer.");
  font_.points = points;
}

void DevicePrinter::SetFontBold(bool bold) { font_.bold = bold; }

void DevicePrinter::SetFontItalic(bool italic) { font_.italic = italic; }

void DevicePrinter::SetForeColor(std::int32_t color) {
  if (color < 0 || color > kLargestColor) throw ControlError("Invalid colour for the printer.");
  color_ = color;
}

Rgb DevicePrinter::ForeColor() const {
  // 0x00BBGGRR: red in the lowest byte.
  return {static_cast<std::uint8_t>(color_ & 0xFF), static_cast<std::uint8_t>((color_ >> 8) & 0xFF),
          static_cast<std::uint8_t>((color_ >> 16) & 0xFF)};
}

void DevicePrinter::PrintLine(std::string_view text) {
  CheckText(text);  // before it could open a document
  PrintInDocument(text);
}

void DevicePrinter::PrintEmptyLine() { PrintInDocument(std::nullopt); }

void DevicePrinter::SetPaper(double width, double height) {
  if (!(width > 0) || !(height > 0) || width > kLargestPaper || height > kLargestPaper) {
    throw ControlError("Invalid paper for the printer.");
  }
  if (inDocument_) throw ControlError("The paper cannot change in the middle of a document.");
  paper_ = Paper{width, height};
  PaperChanged();
}

void DevicePrinter::PrintPage(const Picture& page) {
  if (!paper_) throw ControlError("The printer has no paper for pages.");
  for (const PictureText& text : page.texts) CheckText(text.text);
  OpenDocument();
  AddPage(printed_++, page);
}

void DevicePrinter::EndDoc() {
  // The next document starts afresh, whatever ending this one meets.
  const bool failed = failure_ && !cancelled_, inDocument = inDocument_;
  inDocument_ = cancelled_ = false;
  failure_.reset();
  if ((inDocument && !EndDocument()) || failed) {
    throw ControlError("The printer could not finish the document.");
  }
}

void DevicePrinter::OpenDocument() {
  if (failure_) {
    if (cancelled_) throw Cancelled(*failure_);
    throw ControlError(*failure_);
  }
  if (inDocument_) return;
  switch (StartDocument()) {
    case Start::kStarted:
      break;
    case Start::kNoPrinter:
      throw ControlError("No printer has been chosen.");
    case Start::kCancelled:
      cancelled_ = true;
      failure_ = "Printing was cancelled.";
      throw Cancelled(*failure_);
    case Start::kFailed:
      Fail("The printer could not start the document.");
    case Start::kOtherPaper:
      Fail("The paper chosen for printing is not the paper the pages are laid out for.");
  }
  inDocument_ = true;
  printed_ = 0;
}

void DevicePrinter::PrintInDocument(std::optional<std::string_view> text) {
  OpenDocument();
  AddLine(printed_++, text);
}

void DevicePrinter::Fail(const char* message) {
  failure_ = message;
  throw ControlError(message);
}

}  // namespace korvanel
