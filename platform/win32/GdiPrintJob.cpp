#include "platform/win32/GdiPrintJob.h"

namespace korvanel::win32 {

DisabledWindows::DisabledWindows(const std::vector<HWND>& windows, HWND active) {
  if (active != nullptr && GetForegroundWindow() == active) active_ = active;
  for (HWND window : windows) {
    // EnableWindow returns whether the window was disabled already.
    if (IsWindow(window) && !EnableWindow(window, FALSE)) disabled_.push_back(window);
  }
}

DisabledWindows::~DisabledWindows() {
  for (HWND window : disabled_) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (active_ != nullptr && IsWindow(active_) && IsWindowEnabled(active_)) {
    SetForegroundWindow(active_);
    SetActiveWindow(active_);
  }
}

}  // namespace korvanel::win32
