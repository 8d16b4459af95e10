#include "platform/win32/PrintJob.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
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

void Free(HGLOBAL block) {
  if (block != nullptr) GlobalFree(block);
}

// The paper of a DEVMODE, which the pages of a template change for their
// dialog only: the next document of lines opens on the paper chosen for it.
struct PaperSetting {
  wchar_t device[CCHDEVICENAME]{};
  DWORD fields = 0;
  short orientation = 0;
  short size = 0;
  short length = 0;
  short width = 0;
};
constexpr DWORD kPaperFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;

PaperSetting PaperOf(const DEVMODEW& mode) {
  PaperSetting paper{{},
                     mode.dmFields & kPaperFields,
                     mode.dmOrientation,
                     mode.dmPaperSize,
                     mode.dmPaperLength,
                     mode.dmPaperWidth};
  std::copy(std::begin(mode.dmDeviceName), std::end(mode.dmDeviceName), paper.device);
  return paper;
}

// Puts `paper` back, unless the block is of another printer now.
void RestorePaper(HGLOBAL block, const PaperSetting& paper) {
  auto* mode = block != nullptr ? static_cast<DEVMODEW*>(GlobalLock(block)) : nullptr;
  if (mode == nullptr) return;
  if (std::equal(std::begin(paper.device), std::end(paper.device), mode->dmDeviceName)) {
    mode->dmFields = (mode->dmFields & ~kPaperFields) | paper.fields;
    mode->dmOrientation = paper.orientation;
    mode->dmPaperSize = paper.size;
    mode->dmPaperLength = paper.length;
    mode->dmPaperWidth = paper.width;
  }
  GlobalUnlock(block);
}

// Offers the paper of a document of pages in the settings a dialog opens
// with; the paper they had, or none when nothing changed.
std::optional<PaperSetting> OfferPaper(const GdiPrinter& printer, HGLOBAL devMode) {
  auto* mode = devMode != nullptr ? static_cast<DEVMODEW*>(GlobalLock(devMode)) : nullptr;
  if (mode == nullptr) return std::nullopt;
  const PaperSetting before = PaperOf(*mode);
  const bool offered = printer.OfferPagesPaper(*mode);
  GlobalUnlock(devMode);
  return offered ? std::optional<PaperSetting>(before) : std::nullopt;
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
  std::optional<PaperSetting> paperBefore;
  // When the printer chosen earlier has been removed since, the choice is
  // forgotten and the dialog shown once more, on the default printer.
  for (bool fromChoice = !choice_.IsEmpty();; fromChoice = false) {
    dialog = PRINTDLGW{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    // Copies: the dialog may free or reallocate the blocks it is given, and a
    // cancelled dialog leaves the last choice as it was.
    if (fromChoice) {
      dialog.hDevMode = CopyOf(choice_.devMode_);
      dialog.hDevNames = CopyOf(choice_.devNames_);
    } else if (printer_.PrintsPages()) {
      // The default printer's settings, without a dialog, to offer the
      // pages' paper on.
      dialog.Flags = PD_RETURNDEFAULT;
      if (!showDialog(&dialog)) dialog.hDevMode = dialog.hDevNames = nullptr;
    }
    paperBefore = OfferPaper(printer_, dialog.hDevMode);
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!printToFileOffered_) dialog.Flags |= PD_HIDEPRINTTOFILE;
    dialog.nCopies = 1;
    if (showDialog(&dialog)) break;
    const DWORD error = dialogError();
    // Whatever blocks the dialog holds now, given or its own, are ours to free.
    Free(dialog.hDevMode);
    Free(dialog.hDevNames);
    if (error == PDERR_PRINTERNOTFOUND && fromChoice) {
      choice_.Keep(nullptr, nullptr);
      continue;
    }
    if (error == 0) throw Cancelled("Printing was cancelled.");
    throw ControlError(DialogErrorText(error));
  }
  UniqueDc device(dialog.hDC);
  if (paperBefore) RestorePaper(dialog.hDevMode, *paperBefore);
  choice_.Keep(dialog.hDevMode, dialog.hDevNames);
  if (!device) throw ControlError("The printer could not be set up.");
  printer_.UseDevice(std::move(device), (dialog.Flags & PD_PRINTTOFILE) != 0);
}

}  // namespace korvanel::win32
