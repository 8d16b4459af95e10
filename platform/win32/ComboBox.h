#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/Twips.h"

namespace korvanel::win32 {

// A combo box in the tab order: an editable one (CBS_DROPDOWN) takes typed
// text as well as a pick from its drop-down list, a drop-down list box
// (CBS_DROPDOWNLIST) only the pick. The list opens about eight entries high.
// Typed text is never added to the list.
class ComboBoxControl : public ComboBox {
 public:
  // Creates the control; `place` is its closed size, which its edit field
  // keeps whatever the font. Fails with ControlError.
  ComboBoxControl(HWND parent, const PixelBox& place, int id, HFONT font, bool editable);

  std::string Text() const override;

  HWND Handle() const { return combo_; }

  // Moves the closed box to `place` and shows its text in `font`, keeping
  // the height of `place`.
  void Place(const PixelBox& place, HFONT font);

 private:
  void AppendEntry(std::string_view text) override;
  void RemoveEntries() override;
  // The current entry is the list's (CB_GETCURSEL).
  void ShowText(std::string_view text, std::optional<std::size_t> entry) override;
  void KeepHeight(const PixelBox& place);

  HWND combo_;
  bool editable_;
};

}  // namespace korvanel::win32
