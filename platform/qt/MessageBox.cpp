#include "platform/qt/MessageBox.h"

#include <QMessageBox>

#include "platform/Runtime.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

void ShowMessageBox(QWidget* window, const QString& text) {
  QMessageBox box(QMessageBox::Warning, Utf8Text(kMessageCaption), text, QMessageBox::Ok, window);
  box.exec();
}

}  // namespace korvanel::qt
