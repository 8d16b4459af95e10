#include "platform/win32/ChildWindow.h"

#include <string>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

HWND CreateChild(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
                 DWORD exStyle, const PixelBox& place, int id) {
  const std::wstring wide = WideFromUtf8(text);
  HWND child = CreateWindowExW(
      exStyle, className, wide.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, place.left,
      place.top, place.width, place.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (child == nullptr) {
    throw ControlError("The control " + Utf8FromWide(className) + " could not be created.");
  }
  // A new child starts below its siblings; the design wants it above them.
  SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return child;
}

void SetControlFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace korvanel::win32
