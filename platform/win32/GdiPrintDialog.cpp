#include "platform/win32/GdiPrintDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstdio>
#include <string>
#include <utility>

#include "platform/ControlError.h"
#include "platform/win32/GdiPrinter.h"
#include "platform/win32/SystemLibrary.h"

namespace korvanel::win32 {

namespace {

std::string DialogErrorText(DWORD code) {
  switch (code) {
    case PDERR_NODEFAULTPRN:
      return "There is no printer to print on.";
    case PDERR_PRINTERNOTFOUND:
      return "The chosen printer was not found.";
    case PDERR_CREATEICFAILURE:
    case PDERR_RETDEFFAILURE:
      return "The printer could not be set up.";
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "The print dialog failed (error 0x%04lX).", code);
      return text;
    }
  }
}

}  // namespace

GdiPrintDialog::GdiPrintDialog(GdiPrinter& printer, HWND owner)
    : printer_(printer), owner_(owner) {}

GdiPrintDialog::~GdiPrintDialog() {
  if (devMode_ != nullptr) GlobalFree(devMode_);
  if (devNames_ != nullptr) GlobalFree(devNames_);
}

void GdiPrintDialog::ShowPrinter() {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.hDevMode = devMode_;
  dialog.hDevNames = devNames_;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
  if (!printToFileOffered_) dialog.Flags |= PD_HIDEPRINTTOFILE;
  dialog.nCopies = 1;

  static auto* const showDialog =
      SystemFunctionAs<decltype(PrintDlgW)>(L"comdlg32.dll", "PrintDlgW");
  static auto* const dialogError =
      SystemFunctionAs<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
  if (showDialog == nullptr || dialogError == nullptr) {
    throw ControlError("The print dialog is not available.");
  }

  const BOOL confirmed = showDialog(&dialog);
  // The dialog may have replaced the handles, confirmed or not.
  devMode_ = dialog.hDevMode;
  devNames_ = dialog.hDevNames;
  if (!confirmed) {
    const DWORD error = dialogError();
    if (error == 0) throw ControlError("Printing was cancelled.");
    throw ControlError(DialogErrorText(error));
  }
  UniqueDc device(dialog.hDC);
  if (!device) throw ControlError("The printer could not be set up.");
  printer_.UseDevice(std::move(device), (dialog.Flags & PD_PRINTTOFILE) != 0);
}

}  // namespace korvanel::win32
