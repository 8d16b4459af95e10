#pragma once

#include <string>

#include "platform/Runtime.h"
#include "platform/WindowDesign.h"

class QComboBox;
class QWidget;

namespace korvanel::qt {

// A combo box: a QComboBox placed as its design says. An editable one takes
// typed text as well as a pick from its list; typed text is never added to
// the list and never completed from it: what the user typed is what the box
// holds. A drop-down list box shows its current entry. Qt deletes the widget
// with its parent.
class QtComboBox : public ComboBox {
 public:
  QtComboBox(QWidget& parent, const ControlDesign& design, bool editable);

  std::string Text() const override;
  QComboBox& Widget() const { return combo_; }

 private:
  void AppendEntry(std::string_view text) override;
  void RemoveEntries() override;
  void ShowText(std::string_view text, std::optional<std::size_t> entry) override;

  QComboBox& combo_;
};

}  // namespace korvanel::qt
