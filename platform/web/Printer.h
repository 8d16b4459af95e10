#pragma once

#include <string>
#include <vector>

#include "platform/Printer.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// The printer of a page: it keeps the lines or pages of a document and, at
// its end, shows them as the page's printout (the only part of the page that
// prints) and opens the browser's print dialog, whose printers include "Save
// as PDF". Lines print in the document's font, a fixed-pitch stand-in where
// the system lacks it; pages print as drawings of their paper's size at 1:1,
// the paper asked of the browser for them. The dialog opens once the
// printout's faces have loaded. It gives no answer, so a cancelled one is
// quiet, and a printer given other paper is not known.
class WebPrinter : public DevicePrinter {
 public:
  // Without `dialog`, the browser is printing already (its own Print): the
  // printout is only filled, in the system's faces where the page's own
  // have not loaded yet.
  explicit WebPrinter(bool dialog = true) : dialog_(dialog) {}

  // Starts loading the faces a printout uses, so that the browser's own
  // Print finds them too; nothing waits for them.
  static void LoadFaces();
  // Whether a printer's dialog is printing the page now.
  static bool IsPrinting();

 private:
  struct Line {
    std::string text;
    PrintFont font;
    Rgb color;
    bool empty;
  };

  Start StartDocument() override;
  void AddLine(std::size_t number, std::optional<std::string_view> text) override;
  void AddPage(std::size_t number, const Picture& page) override;
  bool EndDocument() override;
  // Fills the printout with the document.
  void ShowLines(const val& printout) const;
  void ShowPages(const val& printout) const;

  bool dialog_;
  std::vector<Line> lines_;
  std::vector<Picture> pages_;
};

}  // namespace korvanel::web
