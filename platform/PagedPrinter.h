#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/Printer.h"

namespace korvanel {

// Paging for a device that places each line itself (Qt's and GDI's
// printers): a line goes under the one before from the top of the printable
// area, and a line that would cross its bottom starts a new page, unless it
// is the first of its page. The device side only draws, in its device units
// from the top of the area.
class PagedPrinter : public DevicePrinter {
 protected:
  // StartDocument also opens the first page and tells its height here.
  void SetPageHeight(double height) { pageHeight_ = height; }

  virtual double LineHeight() = 0;  // in Font()
  // Ends the page and starts the next; false when the device cannot.
  virtual bool NewPage() = 0;
  // Draws valid UTF-8 `text` in Font() and ForeColor() below `top`.
  virtual void DrawLine(double top, std::string_view text) = 0;
  // EndDocument also ends the last page.

 private:
  void AddLine(std::size_t number, std::optional<std::string_view> text) final;

  double pageHeight_ = 0;
  double nextTop_ = 0;
};

}  // namespace korvanel
