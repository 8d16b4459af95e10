#pragma once

#include <windows.h>

#include "platform/PrintJob.h"
#include "platform/win32/GdiPrintDialog.h"
#include "platform/win32/GdiPrinter.h"

namespace korvanel::win32 {

// Everything one File > Print needs on Windows: the print dialog, modal over
// `owner` and opening on `choice`, and the line printer it hands the chosen
// printer to. Make one per print command.
class GdiPrintJob : public PrintJob {
 public:
  GdiPrintJob(HWND owner, PrinterChoice& choice) : dialog_(printer_, owner, choice) {}

  GdiPrintJob(const GdiPrintJob&) = delete;
  GdiPrintJob& operator=(const GdiPrintJob&) = delete;

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }

 private:
  // Declared first: the dialog refers to it.
  GdiPrinter printer_;
  GdiPrintDialog dialog_;
};

}  // namespace korvanel::win32
