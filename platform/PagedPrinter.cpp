#include "platform/PagedPrinter.h"

#include "platform/ControlError.h"

namespace korvanel {

namespace {

constexpr std::int32_t kLargestColor = 0x00FFFFFF;

void CheckText(std::string_view text) {
  if (!IsUtf8(text)) throw ControlError("The text is not valid UTF-8.");
}

}  // namespace

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    // Length of the sequence and the range of its second byte (which rules
    // out overlong forms, surrogates and values above U+10FFFF).
    std::size_t length = 1;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(text[i + k]);
      if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

void PagedPrinter::SetFontName(std::string_view name) {
  CheckText(name);
  font_.name = name;
}

void PagedPrinter::SetFontSize(float points) {
  if (!(points > 0) || points > kLargestFontSize) {
    throw ControlError("Invalid font size for the printer.");
  }
  font_.points = points;
}

void PagedPrinter::SetFontBold(bool bold) { font_.bold = bold; }

void PagedPrinter::SetFontItalic(bool italic) { font_.italic = italic; }

void PagedPrinter::SetForeColor(std::int32_t color) {
  if (color < 0 || color > kLargestColor) throw ControlError("Invalid colour for the printer.");
  color_ = color;
}

void PagedPrinter::PrintLine(std::string_view text) {
  // A refused text opens no document.
  CheckText(text);
  DrawLine(PlaceLine(), text);
}

void PagedPrinter::PrintEmptyLine() { PlaceLine(); }

void PagedPrinter::EndDoc() {
  bool failed = failure_ && !cancelled_;
  const bool inDocument = inDocument_;
  // The next document starts afresh, whatever ending this one meets.
  inDocument_ = false;
  cancelled_ = false;
  failure_.reset();
  if (inDocument && !EndDocument()) failed = true;
  if (failed) throw ControlError("The printer could not finish the document.");
}

double PagedPrinter::PlaceLine() {
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
    nextTop_ = 0;
    linesOnPage_ = 0;
  }
  const double height = LineHeight();
  if (nextTop_ + height > PageHeight() && linesOnPage_ > 0) {
    if (!NewPage()) Fail("The printer could not start a new page.");
    nextTop_ = 0;
    linesOnPage_ = 0;
  }
  const double top = nextTop_;
  nextTop_ += height;
  ++linesOnPage_;
  return top;
}

void PagedPrinter::Fail(const char* message) {
  failure_ = message;
  throw ControlError(message);
}

}  // namespace korvanel
