#include "platform/qt/Handler.h"

#include <QMessageBox>
#include <QString>

namespace korvanel::qt {

void ShowMessage(QWidget* window, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Korvanel"), text, QMessageBox::Ok, window);
  box.exec();
}

}  // namespace korvanel::qt
