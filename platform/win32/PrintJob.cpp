#include "platform/win32/PrintJob.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/ControlError.h"
#include "platform/win32/Printer.h"
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

// A movable copy of `block` for the dialog to use and replace as it likes;
// null for none, or when there is no memory for it (the dialog then opens
// on the default printer).
HGLOBAL CopyOf(HGLOBAL block) {
  if (block == nullptr) return nullptr;
  const SIZE_T size = GlobalSize(block);
  HGLOBAL copy = size > 0 ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
  if (copy == nullptr) return nullptr;
  const void* from = GlobalLock(block);
  void* to = GlobalLock(copy);
  if (from != nullptr && to != nullptr) std::memcpy(to, from, size);
  if (to != nullptr) GlobalUnlock(copy);
  if (from != nullptr) GlobalUnlock(block);
  if (from == nullptr || to == nullptr) {
    GlobalFree(copy);
    return nullptr;
  }
  return copy;
}

// The bytes of a DEVMODE block, none for no block.
std::vector<std::byte> DeviceModeOf(HGLOBAL block) {
  if (block == nullptr) return {};
  const SIZE_T size = GlobalSize(block);
  const void* bytes = GlobalLock(block);
  if (bytes == nullptr) return {};
  std::vector<std::byte> copy(size);
  std::memcpy(copy.data(), bytes, size);
  GlobalUnlock(block);
  return copy;
}

void Free(HGLOBAL block) {
  if (block != nullptr) GlobalFree(block);
}

}  // namespace

PrinterChoice::~PrinterChoice() { Keep(nullptr, nullptr); }

void PrinterChoice::Keep(HGLOBAL devMode, HGLOBAL devNames) {
  if (devMode != devMode_) Free(devMode_);
  if (devNames != devNames_) Free(devNames_);
  devMode_ = devMode;
  devNames_ = devNames;
}

GdiPrintDialog::GdiPrintDialog(GdiPrinter& printer, HWND owner, PrinterChoice& choice)
    : printer_(printer), owner_(owner), choice_(choice) {}

void GdiPrintDialog::ShowPrinter() {
  static auto* const showDialog =
      SystemFunctionAs<decltype(PrintDlgW)>(L"comdlg32.dll", "PrintDlgW");
  static auto* const dialogError =
      SystemFunctionAs<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
  if (showDialog == nullptr || dialogError == nullptr) {
    throw ControlError("The print dialog is not available.");
  }

  PRINTDLGW dialog{};
  // When the printer chosen earlier has been removed since, the choice is
  // forgotten and the dialog shown once more, on the default printer.
  for (bool fromChoice = !choice_.IsEmpty();; fromChoice = false) {
    dialog = PRINTDLGW{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!printToFileOffered_) dialog.Flags |= PD_HIDEPRINTTOFILE;
    dialog.nCopies = 1;
    // Copies: the dialog may free or reallocate the blocks it is given, and a
    // cancelled dialog leaves the last choice as it was.
    if (fromChoice) {
      dialog.hDevMode = CopyOf(choice_.devMode_);
      dialog.hDevNames = CopyOf(choice_.devNames_);
    }
    if (showDialog(&dialog)) break;
    const DWORD error = dialogError();
    // Whatever blocks the dialog holds now, given or its own, are ours to free.
    Free(dialog.hDevMode);
    Free(dialog.hDevNames);
    if (error == PDERR_PRINTERNOTFOUND && fromChoice) {
      choice_.Keep(nullptr, nullptr);
      continue;
    }
    if (error == 0) throw ControlError("Printing was cancelled.");
    throw ControlError(DialogErrorText(error));
  }
  choice_.Keep(dialog.hDevMode, dialog.hDevNames);
  UniqueDc device(dialog.hDC);
  if (!device) throw ControlError("The printer could not be set up.");
  printer_.UseDevice(std::move(device), (dialog.Flags & PD_PRINTTOFILE) != 0,
                     DeviceModeOf(dialog.hDevMode));
}

}  // namespace korvanel::win32
