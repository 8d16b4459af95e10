#pragma once

// The Win32 runtime: Korvanel on Windows 10 and 11, on user32, comctl32,
// comdlg32 and GDI, cross-built with mingw-w64.
//
// Implements:
//  [x] forms built from their designs as top-level windows, the controls as
//      child windows at their design places in pixels at the window's DPI,
//      laid out again when the DPI changes (Form.h, Layout.h, Placement.h)
//  [x] labels, buttons and lines (Controls.h, Line.h), the editable combo
//      box (ComboBox.h), the list control as a list view (ReportList.h), the
//      menu bar (MenuBar.h)
//  [x] the keyboard as in a dialog: Tab, Enter, the focus given back when a
//      window is active again (Keyboard.h)
//  [x] the designs' fonts at the window's DPI, the scalable successor where
//      a bitmap face lacks the size (Fonts.h)
//  [x] the message box (MessageBox.h)
//  [x] printing: the print dialog and a line printer on a GDI printer
//      device, the printer chosen last kept for the run (PrintJob.h,
//      Printer.h)
//  [x] screen readers: labels just before the controls they name, the lines
//      marked hidden and the drawings marked graphics while a reader runs
//      (ScreenReader.h)
//  [x] high contrast and the system's colours
//  [x] labels the handlers change, text boxes (Controls.h), drop-down list
//      boxes (ComboBox.h) and drawings painted with GDI through a bitmap
//      (Drawing.h)
//  [x] saving files: the save dialog, a new file moved over the old one
//      (FileSaver.h)
//  [x] printing pictures at 1:1 on the paper of the pages (Printer.h)
//  [x] the user's decimal separator and paper (GetLocaleInfoEx)
// Leaves out:
//  [ ] nothing the program uses

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/win32/PrintJob.h"

namespace korvanel::win32 {

class Win32Form;

// The window runtime on the Win32 API. Each loaded window is a Win32Form.
// The program ends (WM_QUIT) when its last window is destroyed, or at End.
// One thread: the one that made the runtime.
class Win32Runtime : public WindowRuntime {
 public:
  // Registers the common controls. File > Print prints on the system's
  // printers, each dialog opening on the printer chosen last in the run,
  // unless given another source of print jobs.
  explicit Win32Runtime(PrintJobFactory makePrintJob = {}, FileSaverFactory makeFileSaver = {});

  std::string DecimalSeparator() const override;
  bool UsesLetterPaper() const override;

  // The message loop: runs until WM_QUIT and returns its exit code.
  int Run() override;
  // Delivers one message taken from the queue as the windows expect it:
  // Tab, Enter and the other dialog keys for the window it belongs to.
  void DeliverMessage(MSG& message);

  // The handle of `window` while it is loaded, else null.
  HWND HandleOf(const Window& window) const;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  std::unique_ptr<FileSaver> DefaultFileSaver(Form& over) override;
  void Quit() override;
  void ShowMessage(Form* owner, std::string_view text) override;

 private:
  Win32Form* FormOfHandle(HWND window) const;

  PrinterChoice printerChoice_;
};

}  // namespace korvanel::win32
