#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <vector>

#include "platform/FocusMemory.h"

namespace korvanel::win32 {

// The keyboard of a window, as a dialog has it with the runtime's message
// loop: Tab follows the design's tab order and shows the focus rectangle,
// Enter clicks the focused button, else the default one, and a window that
// is active again gives the focus back to the control that had it.
class DialogKeyboard {
 public:
  // `prepare` runs before a control of the window takes the focus from the
  // keyboard (a combo box selects its text).
  explicit DialogKeyboard(std::function<void(HWND control)> prepare)
      : prepare_(std::move(prepare)) {}

  void SetTabOrder(std::span<HWND const> order) { focus_.SetTabOrder(order); }
  void AddButton(HWND button, bool isDefault);

  // The answer to DM_GETDEFID, which IsDialogMessageW asks for the button
  // Enter clicks.
  LRESULT DefaultId() const;
  // Moves the focus along the tab order of `window` for a Tab key `message`
  // meant for it; false when the message is something else or the focused
  // control wants the key itself.
  bool HandleTab(HWND window, const MSG& message);
  // WM_ACTIVATE and WM_SETFOCUS of `window`.
  void OnActivate(HWND window, bool active);
  // The first control in tab order takes the focus.
  void FocusFirst();
  // `control` takes the focus, as from the keyboard.
  void Focus(HWND control);

 private:
  std::function<void(HWND)> prepare_;
  FocusMemory<HWND> focus_;
  std::vector<HWND> buttons_;
};

}  // namespace korvanel::win32
