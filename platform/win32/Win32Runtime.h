#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/win32/GdiPrintDialog.h"

namespace korvanel::win32 {

class Win32Form;

// Tells the user `text` in a message box over `owner` (caption "Korvanel")
// and waits for OK. Fails with ControlError when the box cannot be shown.
void ShowMessage(HWND owner, std::string_view text);

// Shows what an error says, over `owner` if that window still exists.
// Never throws: it is the last stop of every handler.
void ShowError(HWND owner, const char* what) noexcept;

// The window runtime on the Win32 API (user32, comctl32). Each loaded
// window is a Win32Form. The program ends (WM_QUIT) when its last window is
// destroyed, or at End. One thread: the one that made the runtime.
class Win32Runtime : public WindowRuntime {
 public:
  // Registers the common controls. File > Print prints on the system's
  // printers (GdiPrintJob), each dialog opening on the printer chosen last
  // in the run, unless given another source of print jobs.
  explicit Win32Runtime(PrintJobFactory makePrintJob = {});

  std::string DecimalSeparator() const override;

  // The message loop: runs until WM_QUIT and returns its exit code.
  int Run() override;
  // Delivers one message taken from the queue as the windows expect it:
  // Tab, Enter and the other dialog keys for the window it belongs to.
  void Dispatch(MSG& message);

  // The handle of `window` while it is loaded, else null.
  HWND HandleOf(const Window& window) const;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  void Quit() override;
  void ShowError(const char* what) noexcept override;

 private:
  Win32Form* FormOfWindow(HWND window) const;

  PrinterChoice printerChoice_;
};

}  // namespace korvanel::win32
