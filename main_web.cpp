// Korvanel in a web page: the main window on the web runtime. The page runs
// the event loop, so Start returns at once and the program lives on in the
// page's listeners; its objects outlive main.
#include "platform/web/Runtime.h"
#include "ui/main/mMain.h"

int main() {
  static korvanel::web::WebRuntime runtime;
  static korvanel::mMain window(runtime);
  return runtime.Start(window);
}
