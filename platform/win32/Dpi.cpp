#include "platform/win32/Dpi.h"

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

}  // namespace korvanel::win32
