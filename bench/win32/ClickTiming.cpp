#include "ClickTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace korvanel::bench {

namespace {

double Microseconds(LONGLONG ticks) {
  static const double perTick = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e6 / static_cast<double>(frequency.QuadPart);
  }();
  return static_cast<double>(ticks) * perTick;
}

}  // namespace

void Pump(win32::Win32Runtime& runtime) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) runtime.DeliverMessage(message);
}

void Measure(const char* name, int clicks, win32::Win32Runtime& runtime,
             const std::function<void()>& click) {
  std::vector<double> times;
  for (int i = 0; i < clicks + clicks / 10; ++i) {
    Pump(runtime);
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    click();
    QueryPerformanceCounter(&end);
    if (i >= clicks / 10) times.push_back(Microseconds(end.QuadPart - start.QuadPart));
  }
  std::sort(times.begin(), times.end());
  std::printf("%-44s %10.1f %10.1f %10.1f\n", name, times[times.size() / 2],
              times[times.size() * 99 / 100], times.back());
}

}  // namespace korvanel::bench
