// "Compute" on the real main window under the Win32 runtime: reading the
// length, the table and the refill of the 27 rows of the list view, as one
// BM_CLICK on the button. Prints the median and the 99th percentile of a
// click in microseconds, alone and with the window painted after it, and of
// the window's Compute handler called without the button.
// Usage: compute_click_bench [CLICKS]   (default 500)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ClickTiming.h"
#include "platform/win32/Runtime.h"
#include "ui/main/mMain.h"

using korvanel::bench::Measure;
using korvanel::bench::Pump;

int main(int argc, char* argv[]) {
  const int clicks = std::max(10, argc > 1 ? std::atoi(argv[1]) : 500);
  korvanel::win32::Win32Runtime runtime;
  korvanel::mMain program(runtime);
  program.Show();
  HWND window = runtime.HandleOf(program);
  HWND compute = FindWindowExW(window, nullptr, L"Button", L"Compute");
  if (compute == nullptr) {
    std::fprintf(stderr, "no Compute button\n");
    return 1;
  }
  Pump(runtime);

  std::printf("%-44s %10s %10s %10s   (%d clicks)\n", "Compute (BM_CLICK), microseconds", "median",
              "99%", "max", clicks);
  const auto click = [compute] { SendMessageW(compute, BM_CLICK, 0, 0); };
  Measure("click", clicks, runtime, click);
  // What the click left to paint (the list, the button), painted at once.
  Measure("click + paint what it invalidated", clicks, runtime, [&] {
    click();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  });
  // The whole window and all its controls painted again.
  Measure("click + repaint the whole window", clicks, runtime, [&] {
    click();
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  });
  // Without the button's own work (capture, focus, its pushed look).
  Measure("the Compute handler alone", clicks, runtime,
          [&program] { program.Click("btnCompute"); });
  return 0;
}
