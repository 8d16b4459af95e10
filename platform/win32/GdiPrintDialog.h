#pragma once

#include <windows.h>

#include "platform/CommonDialog.h"

namespace korvanel::win32 {

class GdiPrinter;

// The Windows print dialog (comdlg32's PrintDlgW) behind the program's
// common dialog. Confirming it hands the chosen printer's device to
// `printer`; cancelling it, or a dialog that cannot be shown, is a
// ControlError. The choice of printer and its settings carry over to the
// next time the same dialog is shown.
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
  GdiPrintDialog(GdiPrinter& printer, HWND owner);
  ~GdiPrintDialog() override;

  GdiPrintDialog(const GdiPrintDialog&) = delete;
  GdiPrintDialog& operator=(const GdiPrintDialog&) = delete;

  void SetPrintToFileOffered(bool offered) override { printToFileOffered_ = offered; }
  void ShowPrinter() override;

 private:
  GdiPrinter& printer_;
  HWND owner_;
  bool printToFileOffered_ = false;
  // The printer and its settings chosen last time, owned by the dialog.
  HGLOBAL devMode_ = nullptr;
  HGLOBAL devNames_ = nullptr;
};

}  // namespace korvanel::win32
