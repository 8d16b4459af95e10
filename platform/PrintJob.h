#pragma once

#include "platform/CommonDialog.h"
#include "platform/Printer.h"

namespace korvanel {

// What one print command works with: the printer dialog and the printer it
// sets up. One job per command, so each command gives its own document.
class PrintJob {
 public:
  virtual ~PrintJob() = default;

  virtual CommonDialog& Dialog() = 0;
  virtual Printer& LinePrinter() = 0;
};

}  // namespace korvanel
