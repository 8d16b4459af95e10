#pragma once

#include "platform/CommonDialog.h"
#include "platform/PrintJob.h"
#include "platform/web/Printer.h"

namespace korvanel::web {

// The browser shows its print dialog once the document is complete, so the
// dialog before it has nothing to ask.
class WebPrintDialog : public CommonDialog {
 public:
  explicit WebPrintDialog(WebPrinter&) {}

  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override {}
};

// One print command's job: its printer opens the browser's print dialog
// unless made with false (the browser's own Print, printing already).
using WebPrintJob = PrintJobOf<WebPrinter, WebPrintDialog>;

}  // namespace korvanel::web
