// The yardstick for Korvanel's start-up: a Qt program that shows one empty
// window as large as Korvanel's main window with its menu bar.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(555, 487 + 22);
  window.show();
  return QApplication::exec();
}
