#include "platform/win32/Keyboard.h"

#include <algorithm>
#include <optional>

namespace korvanel::win32 {

void DialogKeyboard::AddButton(HWND button, bool isDefault) {
  buttons_.push_back(button);
  if (isDefault) focus_.SetDefaultButton(button);
}

LRESULT DialogKeyboard::DefaultId() const {
  const auto focused = std::find(buttons_.begin(), buttons_.end(), GetFocus());
  const std::optional<HWND> button =
      focus_.EnterClicks(focused != buttons_.end() ? std::optional<HWND>(*focused) : std::nullopt);
  const int id = button ? GetDlgCtrlID(*button) : 0;
  return id != 0 ? MAKELRESULT(id, DC_HASDEFID) : 0;
}

bool DialogKeyboard::HandleTab(HWND window, const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND focus = GetFocus();
  if (focus != nullptr && focus != window) {
    const LRESULT wants =
        SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if ((wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) return false;
  }
  // The keyboard is in use: focus rectangles show from here on.
  SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  const auto at = focus_.PositionOf(
      [focus](HWND control) { return control == focus || IsChild(control, focus); });
  const auto next = focus_.Next(at, GetKeyState(VK_SHIFT) < 0 ? -1 : 1, [](HWND control) {
    return IsWindowVisible(control) && IsWindowEnabled(control);
  });
  if (next) Focus(*next);
  return true;
}

void DialogKeyboard::OnActivate(HWND window, bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) focus_.Remember(focus);
    return;
  }
  const auto back = focus_.Restored([](HWND control) { return IsWindow(control) != FALSE; });
  if (back) SetFocus(*back);
}

void DialogKeyboard::FocusFirst() {
  const auto order = focus_.TabOrder();
  if (!order.empty()) Focus(order.front());
}

void DialogKeyboard::Focus(HWND control) {
  prepare_(control);
  SetFocus(control);
  focus_.Remember(control);
}

}  // namespace korvanel::win32
