#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/RuntimeCore.h"
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
class Win32Runtime : public FormRuntime {
 public:
  // Makes the print dialog and printer of one File > Print over `owner`.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(HWND owner)>;

  // Registers the common controls. File > Print prints on the system's
  // printers (GdiPrintJob), each dialog opening on the printer chosen last
  // in the run, unless given another source of print jobs.
  explicit Win32Runtime(const PrintJobFactory& makePrintJob = {});
  // Destroys the windows still loaded, without ending the message loop.
  ~Win32Runtime() override;

  std::string DecimalSeparator() const override;

  // The message loop: runs until WM_QUIT and returns its exit code.
  int Run();
  // Delivers one message taken from the queue as the windows expect it:
  // Tab, Enter and the other dialog keys for the window it belongs to.
  void Dispatch(MSG& message);

  // The window of `events` while it is loaded, else null.
  HWND WindowOf(const FormEvents& events) const;

 protected:
  std::unique_ptr<RuntimeForm> MakeForm(const WindowDesign& design, FormEvents& events) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(RuntimeForm& over) override;
  void OnUnloaded(RuntimeForm& form) noexcept override;
  void Quit() override;

 private:
  Win32Form* FormOfWindow(HWND window) const;

  PrinterChoice printerChoice_;
  bool closing_ = false;
};

}  // namespace korvanel::win32
