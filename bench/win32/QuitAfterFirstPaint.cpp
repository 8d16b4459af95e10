// Linked only into the start-up benchmark programs: once the first window
// has been painted and no paint is pending any more, writes to standard
// output the peak working set and the times since KORVANEL_BENCH_T0
// (QueryPerformanceCounter ticks, set by the driver just before it started
// the process), and ends the process. The line is
//   PEAK_WORKING_SET_BYTES HOOKED CREATED ACTIVATED FIRST_PAINT PAINTED
// in microseconds since the start: this file's static initializer (the
// process, its DLLs and C runtime are up), the first top-level window
// created, activated (shown), its first WM_PAINT taken from the queue, and
// the last paint handled.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

enum Mark { kHooked, kCreated, kActivated, kFirstPaint, kPainted, kMarks };

struct Watch {
  LONGLONG start = 0;
  LONGLONG at[kMarks] = {};
  UINT paintDone = 0;
  UINT_PTR timer = 0;
  HHOOK messages = nullptr;
  HHOOK windows = nullptr;
};

Watch watch;

void Note(Mark mark) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  watch.at[mark] = now.QuadPart;
}

long long MicrosecondsTo(Mark mark) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (watch.at[mark] - watch.start) * 1'000'000 / frequency.QuadPart;
}

[[noreturn]] void Report() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  char line[160];
  const int length =
      std::snprintf(line, sizeof line, "%llu %lld %lld %lld %lld %lld\n",
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize),
                    MicrosecondsTo(kHooked), MicrosecondsTo(kCreated), MicrosecondsTo(kActivated),
                    MicrosecondsTo(kFirstPaint), MicrosecondsTo(kPainted));
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
  ExitProcess(0);
}

bool IsTopLevel(HWND window) {
  return window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
}

// The first top-level window created, then activated as it is shown.
LRESULT CALLBACK WindowHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && watch.at[kCreated] == 0 &&
      (reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->style & WS_CHILD) == 0) {
    Note(kCreated);
  } else if (code == HCBT_ACTIVATE && watch.at[kActivated] == 0) {
    Note(kActivated);
    UnhookWindowsHookEx(watch.windows);
    return 0;
  }
  return CallNextHookEx(watch.windows, code, wParam, lParam);
}

LRESULT CALLBACK MessageHook(int code, WPARAM removal, LPARAM lParam) {
  MSG& message = *reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE) {
    if (message.message == WM_PAINT && (watch.timer != 0 || IsTopLevel(message.hwnd))) {
      if (watch.timer == 0) {
        Note(kFirstPaint);
        // WM_TIMER is only taken from the queue when no WM_PAINT waits.
        watch.timer = SetTimer(nullptr, 0, 0, nullptr);
      }
      // Posted messages come before the next WM_PAINT: this one marks the
      // end of the paint now being handed out.
      PostThreadMessageW(GetCurrentThreadId(), watch.paintDone, 0, 0);
    } else if (message.message == watch.paintDone && message.hwnd == nullptr) {
      Note(kPainted);
      message.message = WM_NULL;
    } else if (message.message == WM_TIMER && message.hwnd == nullptr && watch.timer != 0 &&
               message.wParam == watch.timer) {
      Report();
    }
  }
  return CallNextHookEx(watch.messages, code, removal, lParam);
}

// Before main: the hooks watch the thread that runs the program's windows.
[[maybe_unused]] const bool installed = [] {
  const char* start = std::getenv("KORVANEL_BENCH_T0");
  watch.start = start != nullptr ? std::atoll(start) : 0;
  Note(kHooked);
  watch.paintDone = RegisterWindowMessageW(L"KorvanelBenchPaintDone");
  const DWORD thread = GetCurrentThreadId();
  watch.windows = SetWindowsHookExW(WH_CBT, WindowHook, nullptr, thread);
  watch.messages = SetWindowsHookExW(WH_GETMESSAGE, MessageHook, nullptr, thread);
  return watch.messages != nullptr;
}();

}  // namespace
