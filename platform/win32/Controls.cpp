#include "platform/win32/Controls.h"

#include <string>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

void RegisterWindowClass(WNDCLASSEXW windowClass, std::string_view what) {
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof registered;
  if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &registered)) return;
  if (RegisterClassExW(&windowClass) == 0) {
    throw ControlError("The " + std::string(what) + " window class could not be registered.");
  }
}

HWND MakeChild(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
               DWORD exStyle, const PixelBox& place, int id, HFONT font) {
  const std::wstring wide = WideFromUtf8(text);
  HWND child = CreateWindowExW(
      exStyle, className, wide.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, place.left,
      place.top, place.width, place.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (child == nullptr) {
    throw ControlError("The control " + Utf8FromWide(className) + " could not be created.");
  }
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // A new child starts below its siblings; the design wants it above them.
  SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return child;
}

HWND MakeButton(HWND parent, const ControlDesign& design, const PixelBox& place, int id,
                HFONT font) {
  const DWORD kind = design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  return MakeChild(parent, L"BUTTON", design.text, WS_TABSTOP | kind, 0, place, id, font);
}

HWND MakeLabel(HWND parent, const ControlDesign& design, const PixelBox& place, int id,
               HFONT font) {
  return MakeChild(parent, L"STATIC", design.text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, place, id,
                   font);
}

void LabelControl::SetText(std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  if (!SetWindowTextW(label_, wide.c_str())) throw ControlError("The label could not be changed.");
}

TextBoxControl::TextBoxControl(HWND parent, const PixelBox& place, int id, HFONT font)
    : edit_(MakeChild(parent, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE,
                      place, id, font)) {}

void TextBoxControl::SetText(std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  if (!SetWindowTextW(edit_, wide.c_str())) {
    throw ControlError("The text of the box could not be set.");
  }
}

std::string TextBoxControl::Text() const {
  const int length = GetWindowTextLengthW(edit_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(edit_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Utf8FromWide(text);
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF LabelTextColor(const std::optional<Rgb>& color, bool highContrast) {
  if (!color) return GetSysColor(COLOR_BTNTEXT);
  if (highContrast) return GetSysColor(COLOR_WINDOWTEXT);
  return RGB(color->red, color->green, color->blue);
}

HBRUSH LabelColors(HDC dc, const std::optional<Rgb>& color, bool highContrast) {
  SetTextColor(dc, LabelTextColor(color, highContrast));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetBkMode(dc, OPAQUE);
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace korvanel::win32
