#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/Twips.h"
#include "platform/WindowDesign.h"

namespace korvanel::win32 {

// Registers the program's window class `windowClass` (its name, procedure,
// style, brush and icons as the caller fills them; the size, instance and
// arrow cursor filled in here) unless it is registered already. `what` names
// the class in the ControlError raised when Windows refuses it.
void RegisterWindowClass(WNDCLASSEXW windowClass, std::string_view what);

// Creates a visible child window of `parent` at `place` (client pixels),
// with the command id `id`, showing its text in `font`, and lays it above
// its earlier siblings: where controls overlap, the later one is seen.
// WS_CLIPSIBLINGS keeps each from painting over the ones above it. Fails
// with ControlError.
HWND MakeChild(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
               DWORD exStyle, const PixelBox& place, int id, HFONT font);

// A push button in the tab order; the window's default button (the one
// Enter clicks) is drawn as such. A click reaches the window as
// WM_COMMAND / BN_CLICKED with `id`.
HWND MakeButton(HWND parent, const ControlDesign& design, const PixelBox& place, int id,
                HFONT font);

// A label: a STATIC control, left-aligned on one line that is cut at its
// right edge, without border and without "&" prefixes. It takes no focus.
// Its background is opaque in the dialog colour and its text in the
// design's colour; the window answers WM_CTLCOLORSTATIC with LabelColors.
HWND MakeLabel(HWND parent, const ControlDesign& design, const PixelBox& place, int id, HFONT font);

// A label whose text the handlers set.
class LabelControl : public Label {
 public:
  explicit LabelControl(HWND label) : label_(label) {}
  void SetText(std::string_view text) override;

 private:
  HWND label_;
};

// A box for one line of text (EDIT, sunken, scrolling sideways) in the tab
// order. Fails with ControlError.
class TextBoxControl : public TextBox {
 public:
  TextBoxControl(HWND parent, const PixelBox& place, int id, HFONT font);

  void SetText(std::string_view text) override;
  std::string Text() const override;
  HWND Handle() const { return edit_; }

 private:
  HWND edit_;
};

// Whether the user has turned high contrast on.
bool HighContrastOn();

// The text colour of a label whose design colour is `color`: the system's
// button text colour when none; under high contrast, where a colour of the
// program's own may be unreadable, the system's window text colour.
COLORREF LabelTextColor(const std::optional<Rgb>& color, bool highContrast);

// Sets up `dc` for painting a label in LabelTextColor and returns the
// background brush.
HBRUSH LabelColors(HDC dc, const std::optional<Rgb>& color, bool highContrast);

}  // namespace korvanel::win32
