// Korvanel on the null runtime: the main window is loaded and shown to
// nobody, and the program ends at once, there being no event loop.
#include "platform/null/Runtime.h"
#include "ui/main/mMain.h"

int main() {
  korvanel::null::NullRuntime runtime;
  korvanel::mMain window(runtime);
  return runtime.Start(window);
}
