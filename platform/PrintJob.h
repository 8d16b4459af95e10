#pragma once

#include <utility>

#include "platform/CommonDialog.h"
#include "platform/Printer.h"

namespace korvanel {

// What one print command works with: the printer dialog and the printer it
// sets up, which prints lines or pictures. One job per command, so each
// command gives its own document; the
// runtime that makes it keeps the printer chosen last for the next dialog,
// and keeps the program's windows from taking input while the job lives.
class PrintJob {
 public:
  virtual ~PrintJob() = default;

  virtual CommonDialog& Dialog() = 0;
  virtual Printer& LinePrinter() = 0;
  virtual PicturePrinter& PagePrinter() = 0;
};

// A runtime's print job: its dialog, which sets up its printer, and the
// printer, a DevicePrinter of lines and pages. The printer is made first (from `printerArgument`,
// or by default) and goes last, as the dialog refers to it; the dialog is made from the printer and
// `dialogArguments`.
template <class LinePrinterType, class DialogType>
class PrintJobOf final : public PrintJob {
 public:
  PrintJobOf() : dialog_(printer_) {}
  template <class PrinterArgument, class... DialogArguments>
  explicit PrintJobOf(PrinterArgument&& printerArgument, DialogArguments&&... dialogArguments)
      : printer_(std::forward<PrinterArgument>(printerArgument)),
        dialog_(printer_, std::forward<DialogArguments>(dialogArguments)...) {}

  PrintJobOf(const PrintJobOf&) = delete;
  PrintJobOf& operator=(const PrintJobOf&) = delete;

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }
  PicturePrinter& PagePrinter() override { return printer_; }

 private:
  LinePrinterType printer_;
  DialogType dialog_;
};

}  // namespace korvanel
