#include "platform/PagedPrinter.h"

namespace korvanel {

void PagedPrinter::AddLine(std::size_t number, std::optional<std::string_view> text) {
  if (number == 0) nextTop_ = 0;
  const double height = LineHeight();
  // A line alone on its page stays there, however high.
  if (nextTop_ > 0 && nextTop_ + height > pageHeight_) {
    if (!NewPage()) Fail("The printer could not start a new page.");
    nextTop_ = 0;
  }
  nextTop_ += height;
  if (text) DrawLine(nextTop_ - height, *text);
}

}  // namespace korvanel
