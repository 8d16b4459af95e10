// The floor for Korvanel's start-up on Qt, measured against what it shows:
// its main window written by hand as a QMainWindow in the most direct Qt
// code. The same menus, the controls at the design's places (twips of
// ui/main/mMainDesign.h, 15 to a pixel) in the fonts that stand in for the
// design's on Linux, the 15 lengths with 650 shown, the focus on Compute,
// the window centred on its screen and the program's icon.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <initializer_list>

namespace {

QFont Font(const char* family) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(8.25);
  return font;
}

// The items before the separator, then the last one.
void AddMenu(QMainWindow& window, const char* title, std::initializer_list<const char*> first,
             const char* last) {
  QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
  for (const char* item : first) menu->addAction(QString::fromLatin1(item));
  menu->addSeparator();
  menu->addAction(QString::fromLatin1(last));
}

QLabel* AddLabel(QWidget& client, const char* text, const QRect& place) {
  auto* label = new QLabel(QString::fromLatin1(text), &client);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QIcon icon;
  for (const char* size : {"16", "32", "48", "64"}) {
    icon.addFile(QStringLiteral(KORVANEL_ICONS "/%1.png").arg(QLatin1String(size)));
  }
  QApplication::setWindowIcon(icon);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Korvanel"));
  // Liberation Sans stands in for MS Sans Serif, which runs narrower.
  QFont sans = Font("Liberation Sans");
  sans.setLetterSpacing(QFont::PercentageSpacing, 98);
  window.setFont(sans);
  AddMenu(window, "File", {"Print", "Fret Template..."}, "Exit");
  AddMenu(window, "?", {"Tension and Frequency"}, "About");
  auto* client = new QWidget;
  window.setCentralWidget(client);

  AddLabel(*client, "Scale Guitar Length", {8, 11, 97, 19});
  auto* length = new QComboBox(client);
  length->setGeometry(112, 8, 89, 21);
  length->setEditable(true);
  for (int value = 600; value <= 670; value += 5) length->addItem(QString::number(value));
  length->setCurrentIndex(10);
  AddLabel(*client, "mm", {208, 11, 33, 19});
  auto* compute = new QPushButton(QStringLiteral("Compute"), client);
  compute->setGeometry(256, 5, 81, 27);
  compute->setDefault(true);
  auto* list = new QTreeWidget(client);
  list->setGeometry(8, 48, 537, 430);
  list->setFont(Font("Liberation Mono"));
  list->setRootIsDecorated(false);
  list->setHeaderLabels({QStringLiteral("Fret"), QStringLiteral("Distance from previous (mm)"),
                         QStringLiteral("Whole Distance (mm)")});
  list->header()->setStretchLastSection(false);
  list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int widths[] = {67, 233, 233};
  for (int column = 0; column < 3; ++column) list->setColumnWidth(column, widths[column]);
  compute->setFocus();

  window.resize(555, 487 + window.menuBar()->sizeHint().height());
  QRect place(QPoint(), window.size());
  place.moveCenter(window.screen()->availableGeometry().center());
  window.move(place.topLeft());
  window.show();
  return QApplication::exec();
}
