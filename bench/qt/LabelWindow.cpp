// The floor for Korvanel's start-up: the least a Qt window of its kind pays.
// One window as large as Korvanel's main window with its menu bar and one
// label, so that fontconfig and the font database, which any window with
// text needs, are counted here and not against Korvanel.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(555, 487 + 22);
  QLabel label(QStringLiteral("Scale length"), &window);
  label.move(8, 8);
  window.show();
  return QApplication::exec();
}
