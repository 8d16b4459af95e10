#pragma once

// The null runtime: the program's windows with no display, no toolkit and
// no event loop. The tests drive the windows' handlers on it, and it is the
// template of a new runtime (platform/README.md): each file of a runtime is
// here, as small as it can be.
//
// Implements:
//  [x] forms built from their designs (Form.h), the controls placed in
//      pixels at 96 dpi, each kept with its text (Controls.h)
//  [x] the editable combo box (ComboBox.h) and the list control
//      (ReportList.h), which keep what the handlers put in them
//  [x] Show, Unload, End; the program ends when its last window is closed
//  [x] the keyboard: the focus in tab order, Tab, Enter on the focused or
//      default button (platform/FocusMemory.h)
//  [x] message boxes: their texts kept with their owner, answered at once
//  [x] print jobs and file savers from given factories
//  [x] labels, text boxes, drop-down list boxes and drawings that keep what
//      the handlers put in them
// Leaves out:
//  [ ] an event loop: Run returns at once, and the caller acts as the user
//  [ ] drawing, fonts and screens: nothing is shown
//  [ ] a printer of its own: its print dialog fails as a cancelled one
//      (PrintJob.h)
//  [ ] files: its save dialog is always cancelled (FileSaver.h)
//  [ ] regional settings: "." for decimals, A4 paper

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Runtime.h"

namespace korvanel::null {

class NullForm;

class NullRuntime : public WindowRuntime {
 public:
  // Print jobs have no printer, and saving is cancelled, unless sources of
  // print jobs and savers are given.
  explicit NullRuntime(PrintJobFactory makePrintJob = {}, FileSaverFactory makeFileSaver = {});

  int Run() override { return 0; }
  // The C locale's: the null runtime has no user settings.
  std::string DecimalSeparator() const override { return "."; }
  bool UsesLetterPaper() const override { return false; }

  // The loaded form of the window of that design name, or null.
  NullForm* Loaded(std::string_view name) const;
  // Whether the program has ended: its last window closed, or End.
  bool HasEnded() const { return ended_; }
  // Deletes the closed forms, as a runtime does once their events are over.
  void Settle() { DeleteClosed(); }

  // The texts of the messages told over no window, oldest first.
  std::vector<std::string> messages;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  std::unique_ptr<FileSaver> DefaultFileSaver(Form& over) override;
  void Quit() override { ended_ = true; }
  void ShowMessage(Form* owner, std::string_view text) override;

 private:
  bool ended_ = false;
};

}  // namespace korvanel::null
