// Korvanel on Windows: the main window on the Win32 runtime, then the
// message loop until the last window closes or File > Exit. The command
// line is ignored.
#include "platform/win32/Runtime.h"
#include "ui/main/mMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  korvanel::win32::Win32Runtime runtime;
  korvanel::mMain window(runtime);
  return runtime.Start(window);
}
