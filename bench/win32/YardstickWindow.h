#pragma once

// What the start-up yardsticks share: a top-level window with the client
// size of Korvanel's main window (8325 x 7305 twips) at the screen's DPI,
// and the message loop that paints it, as Korvanel's windows are painted
// (no UpdateWindow before the loop).
#include <windows.h>

namespace korvanel::bench {

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

// Registers `className` and makes its window, not yet shown; null on failure.
inline HWND CreateMainSizedWindow(HINSTANCE instance, const wchar_t* className,
                                  const wchar_t* caption, int dpi) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = QuitOnDestroy;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className;
  if (RegisterClassExW(&windowClass) == 0) return nullptr;
  RECT frame{0, 0, MulDiv(8325, dpi, 1440), MulDiv(7305, dpi, 1440)};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  return CreateWindowExW(0, className, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         instance, nullptr);
}

// Shows `window` and runs the loop until it is destroyed.
inline int ShowAndRun(HWND window) {
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace korvanel::bench
