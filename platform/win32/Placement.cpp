#include "platform/win32/Placement.h"

#include <dwmapi.h>

#include "platform/win32/SystemLibrary.h"

namespace korvanel::win32 {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
  // user32 is loaded already; the lookup only finds the function.
  static auto* const windowDpi =
      SystemFunctionAs<decltype(GetDpiForWindow)>(L"user32.dll", "GetDpiForWindow");
  const UINT dpi = windowDpi != nullptr ? windowDpi(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

namespace {

// The frame the user sees: on Windows 10 and 11 the window rectangle also
// holds invisible resizing borders, which the desktop window manager leaves
// out of the extended frame bounds.
// dwmapi is loaded only when a window is first centred.
RECT VisibleFrame(HWND window) {
  static auto* const frameBounds =
      SystemFunctionAs<decltype(DwmGetWindowAttribute)>(L"dwmapi.dll", "DwmGetWindowAttribute");
  RECT frame{};
  if (frameBounds != nullptr && IsWindowVisible(window) &&
      SUCCEEDED(frameBounds(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame)) &&
      frame.right > frame.left) {
    return frame;
  }
  GetWindowRect(window, &frame);
  return frame;
}

}  // namespace

SIZE WindowSizeFor(int clientWidth, int clientHeight, DWORD style, bool hasMenu, int dpi) {
  static auto* const adjustForDpi = SystemFunctionAs<decltype(AdjustWindowRectExForDpi)>(
      L"user32.dll", "AdjustWindowRectExForDpi");
  RECT bounds{0, 0, clientWidth, clientHeight};
  if (adjustForDpi == nullptr ||
      !adjustForDpi(&bounds, style, hasMenu, 0, static_cast<UINT>(dpi))) {
    bounds = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&bounds, style, hasMenu, 0);
  }
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void FitClientArea(HWND window, int clientWidth, int clientHeight) {
  RECT client{};
  RECT outer{};
  if (!GetClientRect(window, &client) || !GetWindowRect(window, &outer)) return;
  const int dx = clientWidth - (client.right - client.left);
  const int dy = clientHeight - (client.bottom - client.top);
  if (dx == 0 && dy == 0) return;
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnWorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const RECT frame = VisibleFrame(window);
  RECT outer{};
  GetWindowRect(window, &outer);
  const LONG left = work.left + (work.right - work.left - (frame.right - frame.left)) / 2;
  const LONG top = work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2;
  SetWindowPos(window, nullptr, outer.left + (left - frame.left), outer.top + (top - frame.top), 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace korvanel::win32
