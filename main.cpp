#include <QApplication>
#include <QIcon>

#include "platform/qt/QtRuntime.h"
#include "ui/main/mMain.h"

int main() {
  // Korvanel takes no command-line arguments, and the toolkit is given none
  // of the user's: no option of Qt's can load a style sheet or change a
  // caption behind the program's back.
  int toolkitArgc = 1;
  char programName[] = "korvanel";
  char* toolkitArgv[] = {programName, nullptr};
  QApplication app(toolkitArgc, toolkitArgv);
  QApplication::setApplicationName(QStringLiteral("Korvanel"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  // Lets the desktop find the program's entry and icon for its windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.korvanel.Korvanel"));
  // Every window shows the program's icon.
  QApplication::setWindowIcon(korvanel::qt::ProgramIcon());

  korvanel::qt::QtRuntime runtime;
  korvanel::mMain window(runtime);
  window.Show();
  return QApplication::exec();
}
