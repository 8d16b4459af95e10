#include "platform/qt/ComboBox.h"

#include <QComboBox>

#include "platform/qt/Controls.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

QtComboBox::QtComboBox(QWidget& parent, const ControlDesign& design)
    : combo_(*new QComboBox(&parent)) {
  PlaceControl(combo_, design);
  combo_.setEditable(true);
  combo_.setInsertPolicy(QComboBox::NoInsert);
  combo_.setCompleter(nullptr);
}

std::string QtComboBox::Text() const { return combo_.currentText().toStdString(); }

void QtComboBox::AppendEntry(std::string_view text) { combo_.addItem(Utf8Text(text)); }

void QtComboBox::ShowText(std::string_view text, std::optional<std::size_t> entry) {
  // The current entry is where the opened list starts and the arrow keys step
  // on from.
  combo_.setCurrentIndex(entry ? static_cast<int>(*entry) : -1);
  combo_.setEditText(Utf8Text(text));
}

}  // namespace korvanel::qt
