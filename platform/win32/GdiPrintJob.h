#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

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

// Disables the given top-level windows while it lives, so that nothing
// reaches them while a command runs its own message loops (the print dialog,
// a file-name prompt, a slow driver). At its end it enables again those it
// disabled and, when `active` was the foreground window at its start, makes
// it the foreground window again: a dialog destroyed over a disabled owner
// hands the activation to some other window.
class DisabledWindows {
 public:
  DisabledWindows(const std::vector<HWND>& windows, HWND active);
  ~DisabledWindows();

  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
  HWND active_ = nullptr;
};

// The print job of one print command, made by `makeJob`, with the program's
// windows disabled from before the job is made until after it is gone.
class ModalPrintJob : public PrintJob {
 public:
  using Factory = std::function<std::unique_ptr<PrintJob>(HWND owner)>;

  ModalPrintJob(const std::vector<HWND>& windows, HWND owner, const Factory& makeJob)
      : disabled_(windows, owner), job_(makeJob(owner)) {}

  CommonDialog& Dialog() override { return job_->Dialog(); }
  Printer& LinePrinter() override { return job_->LinePrinter(); }

 private:
  // Declared first: the job goes before the windows come back.
  DisabledWindows disabled_;
  std::unique_ptr<PrintJob> job_;
};

}  // namespace korvanel::win32
