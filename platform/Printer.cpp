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

void DevicePrinter::EndDoc() {
  // The next document starts afresh, whatever ending this one meets.
  const bool failed = failure_ && !cancelled_, inDocument = inDocument_;
  inDocument_ = cancelled_ = false;
  failure_.reset();
  if ((inDocument && !EndDocument()) || failed) {
    throw ControlError("The printer could not finish the document.");
  }
}

void DevicePrinter::PrintInDocument(std::optional<std::string_view> text) {
  if (failure_) throw ControlError(*failure_);
  if (!inDocument_) {
    switch (StartDocument()) {
      case Start::kStarted:
        break;
      case Start::kNoPrinter:
        throw ControlError("No printer has been chosen.");
      case Start::kCancelled:
        cancelled_ = true;
        Fail("Printing was cancelled.");
      case Start::kFailed:
        Fail("The printer could not start the document.");
    }
    inDocument_ = true;
    lines_ = 0;
  }
  AddLine(lines_++, text);
}

void DevicePrinter::Fail(const char* message) {
  failure_ = message;
  throw ControlError(message);
}

}  // namespace korvanel
