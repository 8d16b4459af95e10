#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/Twips.h"

namespace korvanel::win32 {

// An editable combo box (COMBOBOX, CBS_DROPDOWN) in the tab order: typed
// text as well as a pick from its drop-down list, which opens about eight
// entries high. Typed text is never added to the list.
class ComboBoxControl : public ComboBox {
 public:
  // Creates the control; `place` is its closed size, which its edit field
  // keeps whatever the font. Fails with ControlError.
  ComboBoxControl(HWND parent, const PixelBox& place, int id, HFONT font);

  std::string Text() const override;

  HWND Handle() const { return combo_; }

  // Moves the closed box to `place` and shows its text in `font`, keeping
  // the height of `place`.
  void Place(const PixelBox& place, HFONT font);

 private:
  void AppendEntry(std::string_view text) override;
  // The current entry is the list's (CB_GETCURSEL).
  void ShowText(std::string_view text, std::optional<std::size_t> entry) override;
  void KeepHeight(const PixelBox& place);

  HWND combo_;
};

}  // namespace korvanel::win32
