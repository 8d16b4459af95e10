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

// The frame the user sees: on Windows 10 and 11 the window rectangle of a
// shown window also holds invisible resizing borders, which the desktop
// window manager leaves out of the extended frame bounds.
// dwmapi is loaded only when a shown window is first centred.
RECT VisibleFrame(HWND window) {
  RECT frame{};
  if (IsWindowVisible(window)) {
    static auto* const frameBounds =
        SystemFunctionAs<decltype(DwmGetWindowAttribute)>(L"dwmapi.dll", "DwmGetWindowAttribute");
    if (frameBounds != nullptr &&
        SUCCEEDED(frameBounds(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame)) &&
        frame.right > frame.left) {
      return frame;
    }
  }
  GetWindowRect(window, &frame);
  return frame;
}

// Where the frame `frame` is centred on `work`.
POINT CentredIn(const RECT& work, const RECT& frame) {
  return {work.left + (work.right - work.left - (frame.right - frame.left)) / 2,
          work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2};
}

bool WorkAreaOf(HMONITOR monitor, RECT& work) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return false;
  work = info.rcWork;
  return true;
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

POINT CentredOnWorkArea(SIZE size) {
  RECT work{};
  if (!WorkAreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), work)) return {};
  return CentredIn(work, {0, 0, size.cx, size.cy});
}

void CentreOnWorkArea(HWND window) {
  RECT work{};
  if (!WorkAreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), work)) return;
  const RECT frame = VisibleFrame(window);
  const POINT centred = CentredIn(work, frame);
  if (centred.x == frame.left && centred.y == frame.top) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  SetWindowPos(window, nullptr, outer.left + (centred.x - frame.left),
               outer.top + (centred.y - frame.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace korvanel::win32
