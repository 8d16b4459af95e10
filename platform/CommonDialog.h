#pragma once

namespace korvanel {

// The printer dialog that comes before a printout. The caller never reads
// the dialog's answers: the call either completes (the user confirmed) or
// fails with ControlError (cancelled, or the dialog could not be shown).
class CommonDialog {
 public:
  virtual ~CommonDialog() = default;

  // Whether the dialog offers to print into a file instead of on paper.
  virtual void SetPrintToFileOffered(bool offered) = 0;
  virtual void ShowPrinter() = 0;
};

}  // namespace korvanel
