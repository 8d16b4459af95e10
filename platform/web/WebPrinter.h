#pragma once

#include <string>
#include <vector>

#include "platform/CommonDialog.h"
#include "platform/PrintJob.h"
#include "platform/Printer.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// The printer of a page: it keeps the lines of a document and, at its end,
// shows them as the page's printout (the only part of the page that prints,
// in the document's font, a fixed-pitch stand-in where the system lacks it)
// and opens the browser's print dialog, whose printers include "Save as
// PDF". The dialog opens once the printout's faces have loaded. It gives no
// answer, so a cancelled one is quiet.
class WebPrinter : public DevicePrinter {
 public:
  // Without `dialog`, the browser is printing already (its own Print): the
  // printout is only filled, in the system's fixed-pitch face where the
  // page's own faces have not loaded yet.
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
    std::int32_t color;
    bool empty;
  };

  Start StartDocument() override;
  void AddLine(std::size_t number, std::optional<std::string_view> text) override;
  bool EndDocument() override;

  bool dialog_;
  std::vector<Line> lines_;
};

// The browser shows its print dialog once the document is complete, so the
// dialog before it has nothing to ask.
class WebPrintDialog : public CommonDialog {
 public:
  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override {}
};

class WebPrintJob : public PrintJob {
 public:
  // Its printer opens the browser's print dialog unless told otherwise.
  explicit WebPrintJob(bool dialog = true) : printer_(dialog) {}

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }

 private:
  WebPrintDialog dialog_;
  WebPrinter printer_;
};

}  // namespace korvanel::web
