#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/win32/GdiPrintDialog.h"

namespace korvanel::win32 {

class Win32Form;

// The window runtime on the Win32 API (user32, comctl32). Each loaded
// window is a Win32Form. The program ends (WM_QUIT) when its last window is
// destroyed, or at End. One thread: the one that made the runtime.
class Win32Runtime : public WindowRuntime {
 public:
  // Makes the print dialog and printer of one File > Print over `owner`.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(HWND owner)>;

  // Registers the common controls. File > Print prints on the system's
  // printers (GdiPrintJob), each dialog opening on the printer chosen last
  // in the run, unless given another source of print jobs.
  explicit Win32Runtime(PrintJobFactory makePrintJob = {});
  // Destroys the windows still loaded, without ending the message loop.
  ~Win32Runtime() override;

  Win32Runtime(const Win32Runtime&) = delete;
  Win32Runtime& operator=(const Win32Runtime&) = delete;

  void Show(const WindowDesign& design, FormEvents& events) override;
  void Unload(FormEvents& events) noexcept override;
  void End() override;
  std::string DecimalSeparator() const override;

  // The message loop: runs until WM_QUIT and returns its exit code.
  int Run();
  // Delivers one message taken from the queue as the windows expect it:
  // Tab, Enter and the other dialog keys for the window it belongs to.
  void Dispatch(MSG& message);

  // The window of `events` while it is loaded, else null.
  HWND WindowOf(const FormEvents& events) const;

  // For Win32Form. The job of one print command; every window of the
  // program is disabled while it lives.
  std::unique_ptr<PrintJob> MakePrintJob(HWND owner) const;
  void Unloaded(Win32Form& form) noexcept;

 private:
  void Load(const WindowDesign& design, FormEvents& events);
  Win32Form* FormOf(HWND window) const;

  PrintJobFactory makePrintJob_;
  PrinterChoice printerChoice_;
  std::map<const FormEvents*, std::unique_ptr<Win32Form>> loaded_;
  // Forms whose window is gone, deleted when no message of theirs runs.
  std::vector<std::unique_ptr<Win32Form>> unloaded_;
  bool closing_ = false;
};

}  // namespace korvanel::win32
