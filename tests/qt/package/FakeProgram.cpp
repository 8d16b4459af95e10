// Stands in for the program when testing the window probe: a main window
// with the same controls whose Compute lists the given number of rows of
// the right table, with the second cell of the last row changed when asked.
// Usage: korvanel_fake_program ROWS [wrong-cell]
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdlib>
#include <cstring>

#include "tests/expected/FretTables.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::atoi(argv[1]) : 27;
  const bool wrongCell = argc > 2 && std::strcmp(argv[2], "wrong-cell") == 0;

  QMainWindow window;
  auto* central = new QWidget(&window);
  auto* layout = new QVBoxLayout(central);
  auto* length = new QComboBox(central);
  length->setObjectName(QStringLiteral("cmbLength"));
  length->setEditable(true);
  auto* compute = new QPushButton(QStringLiteral("Compute"), central);
  compute->setObjectName(QStringLiteral("btnCompute"));
  auto* list = new QTreeWidget(central);
  list->setObjectName(QStringLiteral("lst"));
  list->setColumnCount(3);
  layout->addWidget(length);
  layout->addWidget(compute);
  layout->addWidget(list);
  window.setCentralWidget(central);

  QObject::connect(compute, &QPushButton::clicked, list, [=] {
    list->clear();
    const auto& table = korvanel::test::kFretRows650;
    for (int row = 0; row < rows; ++row) {
      auto* item = new QTreeWidgetItem(list);
      for (int column = 0; column < 3; ++column) {
        const char* text = table[static_cast<size_t>(row % 27)][column];
        item->setText(column, QString::fromLatin1(text));
      }
      if (wrongCell && row == rows - 1) item->setText(1, QStringLiteral(" 999"));
    }
  });

  window.show();
  return QApplication::exec();
}
