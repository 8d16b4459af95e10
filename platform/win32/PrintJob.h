#pragma once

#include <windows.h>

#include "platform/CommonDialog.h"
#include "platform/PrintJob.h"
#include "platform/win32/Printer.h"

namespace korvanel::win32 {

// The printer and its settings (paper, copies, ...) confirmed last in the
// print dialog: the DEVNAMES and DEVMODE blocks PrintDlgW returned. The
// runtime keeps one for the whole run, so that every print dialog opens on
// the last choice; nothing of it is written anywhere.
class PrinterChoice {
 public:
  PrinterChoice() = default;
  ~PrinterChoice();

  PrinterChoice(const PrinterChoice&) = delete;
  PrinterChoice& operator=(const PrinterChoice&) = delete;

  bool IsEmpty() const { return devNames_ == nullptr; }

 private:
  friend class GdiPrintDialog;
  // Takes over the blocks of a confirmed dialog, freeing the ones before.
  void Keep(HGLOBAL devMode, HGLOBAL devNames);

  HGLOBAL devMode_ = nullptr;
  HGLOBAL devNames_ = nullptr;
};

// The Windows print dialog (comdlg32's PrintDlgW), modal over `owner` (may
// be null). Confirming it hands the chosen printer's device to `printer`;
// cancelling it is Cancelled, a dialog that cannot be shown a ControlError. It
// opens on `choice`, and a confirmed dialog stores its own there. For a
// document of pages it opens on their paper; the choice keeps the paper it
// had, for the next document of lines.
//
// PrintDlgW rather than PrintDlgExW: the report needs no page ranges, and
// PrintDlgExW refuses to run without an owner window.
//
// "Print to file" offered leaves the dialog's check box visible and enabled
// (unticked); not offered hides it (PD_HIDEPRINTTOFILE). Ticked, the
// document goes to "FILE:", for which the spooler asks the file name.
class GdiPrintDialog : public CommonDialog {
 public:
  GdiPrintDialog(GdiPrinter& printer, HWND owner, PrinterChoice& choice);

  GdiPrintDialog(const GdiPrintDialog&) = delete;
  GdiPrintDialog& operator=(const GdiPrintDialog&) = delete;

  void SetPrintToFileOffered(bool offered) override { printToFileOffered_ = offered; }
  void ShowPrinter() override;

 private:
  GdiPrinter& printer_;
  HWND owner_;
  PrinterChoice& choice_;
  bool printToFileOffered_ = false;
};

// One File > Print on Windows: made from the printer's device (none until
// the dialog gives one), the window the dialog is modal over and the
// runtime's printer choice.
using GdiPrintJob = PrintJobOf<GdiPrinter, GdiPrintDialog>;

}  // namespace korvanel::win32
