#include <QApplication>

#include "ui/ProgramIcon.h"
#include "ui/main/mMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvanel"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  // Every window shows the program's icon.
  QApplication::setWindowIcon(korvanel::ProgramIcon());

  korvanel::mMain window;
  korvanel::qt::ShowCentred(window);
  return QApplication::exec();
}
