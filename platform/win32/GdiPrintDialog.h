#pragma once

#include <windows.h>

#include "platform/CommonDialog.h"
#include "platform/PrintJob.h"
#include "platform/win32/GdiPrinter.h"

namespace korvanel::win32 {

// The printer and its settings (paper, copies, ...) confirmed last in the
// print dialog: the DEVNAMES and DEVMODE blocks PrintDlgW returned. The
// runtime keeps one for the whole run, so that every print dialog opens on
// the last choice; nothing of it is written anywhere.
class PrinterChoice {
 public:
  PrinterChoice() = default;
  // Frees the blocks (GlobalFree).
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

// The Windows print dialog (comdlg32's PrintDlgW) behind the program's
// common dialog. Confirming it hands the chosen printer's device to
// `printer`; cancelling it, or a dialog that cannot be shown, is a
// ControlError. It opens on the printer and settings of `choice`, and a
// confirmed dialog stores its own there; a cancelled one leaves it as it was.
//
// PrintDlgW rather than PrintDlgExW: the report needs no page ranges, and
// PrintDlgExW refuses to run without an owner window.
//
// "Print to file" offered leaves the dialog's check box visible and enabled
// (unticked); not offered hides it (PD_HIDEPRINTTOFILE). Ticked, the
// document goes to "FILE:", for which the spooler asks the file name.
class GdiPrintDialog : public CommonDialog {
 public:
  // The dialog is modal over `owner`, which may be null.
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
