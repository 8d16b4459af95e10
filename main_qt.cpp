// Korvanel on Linux: the main window on the Qt runtime, then Qt's event loop
// until the last window closes or File > Exit. The command line is ignored.
#include "platform/qt/Runtime.h"
#include "ui/main/mMain.h"

int main() {
  korvanel::qt::QtRuntime runtime;
  korvanel::mMain window(runtime);
  return runtime.Start(window);
}
