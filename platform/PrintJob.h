#pragma once

#include "platform/CommonDialog.h"
#include "platform/Printer.h"

namespace korvanel {

// What one print command works with: the printer dialog and the printer it
// sets up. One job per command, so each command gives its own document; the
// runtime that makes it keeps the printer chosen last for the next dialog,
// and keeps the program's windows from taking input while the job lives.
class PrintJob {
 public:
  virtual ~PrintJob() = default;

  virtual CommonDialog& Dialog() = 0;
  virtual Printer& LinePrinter() = 0;
};

}  // namespace korvanel
