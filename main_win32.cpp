// Korvanel on Windows: the main window on the Win32 runtime, then the
// message loop until the last window closes or File > Exit. The command
// line is ignored.
#include <exception>

#include "platform/win32/Win32Runtime.h"
#include "ui/main/mMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Registers the common controls (list view) first.
  korvanel::win32::Win32Runtime runtime;
  korvanel::mMain window(runtime);
  try {
    window.Show();
  } catch (const std::exception& error) {
    korvanel::win32::ShowError(nullptr, error.what());
    return 1;
  }
  return runtime.Run();
}
