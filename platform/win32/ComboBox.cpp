#include "platform/win32/ComboBox.h"

#include <commctrl.h>

#include "platform/ControlError.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr int kVisibleEntries = 8;

int WindowHeight(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box.bottom - box.top;
}

// A drop-down combo box's height at creation is the closed box and its
// opened list together.
PixelBox WithList(const PixelBox& place) {
  PixelBox withList = place;
  withList.height = place.height * (kVisibleEntries + 1);
  return withList;
}

}  // namespace

ComboBoxControl::ComboBoxControl(HWND parent, const PixelBox& place, int id, HFONT font,
                                 bool editable)
    : editable_(editable) {
  const DWORD kind = editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
  combo_ = MakeChild(parent, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | kind, 0, WithList(place),
                     id, font);
  SendMessageW(combo_, CB_SETMINVISIBLE, kVisibleEntries, 0);
  KeepHeight(place);
}

void ComboBoxControl::Place(const PixelBox& place, HFONT font) {
  const PixelBox withList = WithList(place);
  SetWindowPos(combo_, nullptr, withList.left, withList.top, withList.width, withList.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  KeepHeight(place);
}

void ComboBoxControl::KeepHeight(const PixelBox& place) {
  const PixelBox withList = WithList(place);
  // The closed box follows its font; give its edit field the height the
  // design asks for. Some implementations (Wine) add to the height they are
  // given, so the field is corrected from what the box measures.
  LRESULT field = SendMessageW(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
    const int missing = place.height - WindowHeight(combo_);
    if (missing == 0 || field + missing <= 0) break;
    field += missing;
    SendMessageW(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    // A resize makes the box take its new height (and keep its list's).
    SetWindowPos(combo_, nullptr, 0, 0, withList.width, withList.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ComboBoxControl::AppendEntry(std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  const LRESULT index =
      SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (index < 0) throw ControlError("The entry could not be added to the list.");
}

void ComboBoxControl::RemoveEntries() {
  const std::string text = Text();
  SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
  // An editable box keeps its text.
  if (editable_) {
    const std::wstring wide = WideFromUtf8(text);
    SetWindowTextW(combo_, wide.c_str());
  }
}

void ComboBoxControl::ShowText(std::string_view text, std::optional<std::size_t> entry) {
  const std::wstring wide = WideFromUtf8(text);
  // CB_SETCURSEL also writes the entry (the same text), or nothing for -1,
  // into the edit field; only another text is written after it.
  SendMessageW(combo_, CB_SETCURSEL, entry ? static_cast<WPARAM>(*entry) : static_cast<WPARAM>(-1),
               0);
  if (!entry && editable_ && !SetWindowTextW(combo_, wide.c_str())) {
    throw ControlError("The text of the combo box could not be set.");
  }
}

std::string ComboBoxControl::Text() const {
  const int length = GetWindowTextLengthW(combo_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(combo_, text.data(), length + 1);
  if (copied < 0 || (copied == 0 && length > 0)) {
    throw ControlError("The text of the combo box could not be read.");
  }
  text.resize(static_cast<std::size_t>(copied));
  return Utf8FromWide(text);
}

}  // namespace korvanel::win32
