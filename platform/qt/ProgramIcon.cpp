#include "platform/qt/ProgramIcon.h"

#include <QSize>
#include <QString>

namespace korvanel::qt {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/korvanel/icons/%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace korvanel::qt
