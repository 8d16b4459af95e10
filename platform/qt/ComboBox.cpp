#include "platform/qt/ComboBox.h"

#include <QComboBox>

#include "platform/qt/Controls.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

QtComboBox::QtComboBox(QWidget& parent, const ControlDesign& design, bool editable)
    : combo_(*new QComboBox(&parent)) {
  PlaceControl(combo_, design);
  if (!editable) return;
  combo_.setEditable(true);
  combo_.setInsertPolicy(QComboBox::NoInsert);
  combo_.setCompleter(nullptr);
}

std::string QtComboBox::Text() const { return combo_.currentText().toStdString(); }

void QtComboBox::AppendEntry(std::string_view text) { combo_.addItem(Utf8Text(text)); }

void QtComboBox::RemoveEntries() {
  // The text stays as it was.
  const QString text = combo_.currentText();
  combo_.clear();
  if (combo_.isEditable()) combo_.setEditText(text);
}

void QtComboBox::ShowText(std::string_view text, std::optional<std::size_t> entry) {
  // The current entry is where the opened list starts and the arrow keys step
  // on from.
  combo_.setCurrentIndex(entry ? static_cast<int>(*entry) : -1);
  if (combo_.isEditable()) combo_.setEditText(Utf8Text(text));
}

}  // namespace korvanel::qt
