// Linked only into the start-up benchmark programs: once the first window
// has been painted and no paint is pending any more, writes to standard
// output the time since KORVANEL_BENCH_T0 (QueryPerformanceCounter ticks,
// set by the driver just before it started the process) and the peak working
// set, and ends the process. The line is
//   MICROSECONDS PEAK_WORKING_SET_BYTES TO_HOOK_US TO_FIRST_PAINT_US
// where the last two split the time: until this file's static initializer
// ran (process creation, DLLs, C runtime), and until the first WM_PAINT of a
// top-level window was taken from the queue (the program's own set-up).
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

struct Watch {
  LONGLONG start = 0;
  LONGLONG hooked = 0;
  LONGLONG firstPaint = 0;
  // When the last WM_PAINT so far had been handled.
  LONGLONG painted = 0;
  UINT paintDone = 0;
  UINT_PTR timer = 0;
  HHOOK hook = nullptr;
};

Watch watch;

long long Microseconds(LONGLONG from, LONGLONG to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (to - from) * 1'000'000 / frequency.QuadPart;
}

[[noreturn]] void Report() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  char line[128];
  const int length = std::snprintf(
      line, sizeof line, "%lld %llu %lld %lld\n", Microseconds(watch.start, watch.painted),
      static_cast<unsigned long long>(memory.PeakWorkingSetSize),
      Microseconds(watch.start, watch.hooked), Microseconds(watch.start, watch.firstPaint));
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
  ExitProcess(0);
}

bool IsTopLevel(HWND window) {
  return window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM lParam) {
  MSG& message = *reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE) {
    if (message.message == WM_PAINT && (watch.timer != 0 || IsTopLevel(message.hwnd))) {
      if (watch.timer == 0) {
        watch.firstPaint = Now().QuadPart;
        // WM_TIMER is only taken from the queue when no WM_PAINT waits.
        watch.timer = SetTimer(nullptr, 0, 0, nullptr);
      }
      // Posted messages come before the next WM_PAINT: this one marks the
      // end of the paint now being handed out.
      PostThreadMessageW(GetCurrentThreadId(), watch.paintDone, 0, 0);
    } else if (message.message == watch.paintDone && message.hwnd == nullptr) {
      watch.painted = Now().QuadPart;
      message.message = WM_NULL;
    } else if (message.message == WM_TIMER && message.hwnd == nullptr &&
               message.wParam == watch.timer && watch.timer != 0) {
      Report();
    }
  }
  return CallNextHookEx(watch.hook, code, removal, lParam);
}

// Before main: the hook watches the thread that runs the program's messages.
[[maybe_unused]] const bool installed = [] {
  const char* start = std::getenv("KORVANEL_BENCH_T0");
  watch.start = start != nullptr ? std::atoll(start) : 0;
  watch.hooked = Now().QuadPart;
  watch.paintDone = RegisterWindowMessageW(L"KorvanelBenchPaintDone");
  watch.hook = SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
  return watch.hook != nullptr;
}();

}  // namespace
