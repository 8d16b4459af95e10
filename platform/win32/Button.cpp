#include "platform/win32/Button.h"

#include "platform/win32/ChildWindow.h"

namespace korvanel::win32 {

HWND CreateButton(HWND parent, const ControlDesign& design, const PixelBox& place, int id) {
  const DWORD kind = design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  return CreateChild(parent, L"BUTTON", design.text, WS_TABSTOP | kind, 0, place, id);
}

}  // namespace korvanel::win32
