#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// An editable combo box as a text field with a pop-up list box (the WAI-ARIA
// combo box pattern): typed text as well as a pick from the list, which the
// button beside the text, Alt+Down or Down opens, Up and Down walk (the
// entry walked to is the selected option), Enter or a click picks from, and
// Escape or Alt+Up closes. Typed text is never added to the list and never
// completed from it.
class WebComboBox : public ComboBox {
 public:
  // `id` names its list box.
  explicit WebComboBox(const std::string& id);

  std::string Text() const override;

  const val& Box() const { return box_; }
  const val& Field() const { return field_; }
  // The list box and its button are named with the field.
  void NameBy(const std::string& labelId);

 private:
  void AppendEntry(std::string_view text) override;
  void RemoveEntries() override;
  void ShowText(std::string_view text, std::optional<std::size_t> entry) override;

  bool IsOpen() const;
  void Open();
  void Close();
  // Marks entry `index` as the active and selected one of the open list,
  // none for -1.
  void MarkEntry(int index);
  void Pick(int index);
  void OnKey(val event);
  int EntryAt(val target) const;

  val box_;
  val field_;
  val button_;
  val list_;
  // What every entry of the list starts as.
  val entryModel_;
  std::string id_;
  // The entry the text is, and the one the open list marks, or -1.
  int current_ = -1;
  int active_ = -1;
  ListenerSet listeners_;
};

// A drop-down list box as the page's own select: its entries only, picked
// with the mouse, a finger or the keys the browser gives it. The user's pick
// runs `changed`; the handlers' own do not.
class WebDropDownList : public ComboBox {
 public:
  explicit WebDropDownList(std::function<void()> changed);

  std::string Text() const override;
  const val& Element() const { return select_; }

 private:
  void AppendEntry(std::string_view text) override;
  void RemoveEntries() override;
  void ShowText(std::string_view text, std::optional<std::size_t> entry) override;

  val select_;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
