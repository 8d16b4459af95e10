#pragma once

// What the start-up yardsticks share: a top-level window with the client
// size of Korvanel's main window (8325 x 7305 twips) at the screen's DPI,
// and the message loop that paints it, as Korvanel's windows are painted
// (no UpdateWindow before the loop).
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

namespace korvanel::bench {

// `twips` in pixels at `dpi`, as Korvanel places its windows and controls.
inline int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// The common controls Korvanel's main window uses: the standard classes and
// the list view.
inline void InitMainWindowControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
  InitCommonControlsEx(&controls);
}

inline LRESULT CALLBACK QuitOnDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

inline int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Registers `className` for windows in the dialog colour, with `icon` and
// `smallIcon` when given.
inline bool RegisterYardstickClass(HINSTANCE instance, const wchar_t* className,
                                   HICON icon = nullptr, HICON smallIcon = nullptr) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = QuitOnDestroy;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

// The outer size of a window of `style` whose client area is Korvanel's main
// window's at `dpi`, below a menu bar when `hasMenu`.
inline SIZE MainWindowSize(DWORD style, bool hasMenu, int dpi) {
  RECT frame{0, 0, Pixels(8325, dpi), Pixels(7305, dpi)};
  AdjustWindowRectEx(&frame, style, hasMenu ? TRUE : FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// Registers `className` and makes its window, not yet shown; null on failure.
inline HWND CreateMainSizedWindow(HINSTANCE instance, const wchar_t* className,
                                  const wchar_t* caption, int dpi) {
  if (!RegisterYardstickClass(instance, className)) return nullptr;
  const SIZE size = MainWindowSize(WS_OVERLAPPEDWINDOW, false, dpi);
  return CreateWindowExW(0, className, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         size.cx, size.cy, nullptr, nullptr, instance, nullptr);
}

// Shows `window`, puts the focus on `focus` if given and runs the loop
// until the window is destroyed.
inline int ShowAndRun(HWND window, HWND focus = nullptr) {
  ShowWindow(window, SW_SHOW);
  if (focus != nullptr) SetFocus(focus);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace korvanel::bench
