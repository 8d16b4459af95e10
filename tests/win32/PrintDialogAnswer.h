#pragma once

// The print dialog shown for real (under Wine: with Xvfb) and answered by a
// helper thread, as a user would with the mouse.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace korvanel::test {

// The dialog box of this process that is open now, if any.
inline HWND OpenDialog() {
  struct Search {
    DWORD process;
    HWND found;
  } search{GetCurrentProcessId(), nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t className[16];
        GetClassNameW(window, className, 16);
        if (process == s->process && IsWindowVisible(window) &&
            std::wstring(className) == L"#32770") {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits on its own thread for the dialog, lets `look` see it, then presses
// the button `command` (IDOK or IDCANCEL).
class DialogAnswer {
 public:
  DialogAnswer(int command, std::function<void(HWND)> look = {})
      : thread_([this, command, look] {
          const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
          while (std::chrono::steady_clock::now() < deadline) {
            if (HWND dialog = OpenDialog()) {
              if (look) look(dialog);
              seen_ = true;
              PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
        }) {}
  ~DialogAnswer() {
    if (thread_.joinable()) thread_.join();
  }

  // Whether the dialog came up, once it has been answered.
  bool Seen() {
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  std::atomic<bool> seen_ = false;
  std::thread thread_;
};

}  // namespace korvanel::test
