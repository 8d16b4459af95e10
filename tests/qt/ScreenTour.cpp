// Walks through the program's windows for screenshots taken from outside:
// after each step it prints the step's name and waits for a line on its
// input, while the screen holds that step. Used by scripts/screenshots.sh.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <iostream>
#include <string>

#include "UiTestSupport.h"
#include "platform/qt/Runtime.h"
#include "ui/main/mMain.h"

namespace {

void Hold(const char* step) {
  QTest::qWait(500);
  std::cout << step << std::endl;
  std::string answer;
  std::getline(std::cin, answer);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  korvanel::qt::QtRuntime runtime;
  korvanel::mMain program(runtime);
  program.Show();
  QMainWindow& window = *runtime.WidgetOf(program);
  Hold("start");
  window.findChild<QPushButton*>("btnCompute")->click();
  Hold("main");
  window.findChild<QAction*>("mnuTension")->trigger();
  Hold("tension");
  window.findChild<QAction*>("mnuAbout")->trigger();
  Hold("about");
  window.findChild<QAction*>("mnuTemplate")->trigger();
  Hold("template");
  // A fanned board, then the same in inches.
  QWidget* board = korvanel::test::OpenFannedTemplate(window);
  board->findChild<QPushButton*>("btnDraw")->click();
  Hold("template-fanned");
  auto* units = board->findChild<QComboBox*>("cmbUnits");
  units->setCurrentIndex(1);
  emit units->activated(1);
  board->findChild<QPushButton*>("btnDraw")->click();
  Hold("template-fanned-inches");
  return 0;
}
