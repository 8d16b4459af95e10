#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

#include "UiTestSupport.h"
#include "tests/expected/FretTables.h"

using korvanel::test::Rows;
using korvanel::test::Twips;

namespace {

// What the list widget must show for `scaleLength`: the rows the list was
// given, every blank kept.
QVector<QStringList> ListedRows(double scaleLength) {
  QVector<QStringList> rows;
  for (const auto& row : korvanel::test::FretListRows(scaleLength)) {
    rows << QStringList{QString::fromStdString(row[0]), QString::fromStdString(row[1]),
                        QString::fromStdString(row[2])};
  }
  return rows;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<korvanel::test::RunningProgram> window_;

  template <class Control>
  Control* control(const char* name) const {
    auto* found = (*window_)->findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
  }
  QComboBox* combo() const { return control<QComboBox>("cmbLength"); }
  QTreeWidget* list() const { return control<QTreeWidget>("lst"); }
  QPushButton* compute() const { return control<QPushButton>("btnCompute"); }

  void computeWith(const QString& text) {
    combo()->setEditText(text);
    QTest::mouseClick(compute(), Qt::LeftButton);
  }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    window_ = std::make_unique<korvanel::test::RunningProgram>();
    QVERIFY(QTest::qWaitForWindowActive(window_->widget()));
  }

  void cleanup() { window_.reset(); }

  void startsWith650AndFifteenLengthsAndAnEmptyList() {
    QCOMPARE(combo()->currentText(), QStringLiteral("650"));
    QStringList lengths;
    for (int i = 0; i < combo()->count(); ++i) lengths << combo()->itemText(i);
    QCOMPARE(lengths, QStringList({"600", "605", "610", "615", "620", "625", "630", "635", "640",
                                   "645", "650", "655", "660", "665", "670"}));
    QCOMPARE(list()->topLevelItemCount(), 0);
    QCOMPARE(QApplication::focusWidget(), compute());

    // "650" is also the list's current entry: Down steps on to "655".
    QCOMPARE(combo()->currentIndex(), 10);
    combo()->setFocus();
    QTest::keyClick(combo(), Qt::Key_Down);
    QCOMPARE(combo()->currentText(), QStringLiteral("655"));
  }

  void computeShowsTheRowsOfTheTypedLength() {
    QTest::mouseClick(compute(), Qt::LeftButton);
    QCOMPARE(Rows(*list()), ListedRows(650));
    computeWith("647.7");
    QCOMPARE(Rows(*list()), ListedRows(647.7));
  }

  void enterInsideTheComboBoxComputesWithoutAddingToItsList() {
    QLineEdit* edit = combo()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "650");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(list()->topLevelItemCount(), 27);
    QCOMPARE(combo()->count(), 15);

    edit->selectAll();
    QTest::keyClicks(edit, "647.7");
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(combo()->count(), 15);
    QCOMPARE(list()->topLevelItem(26)->text(2), QStringLiteral(" 647.7"));
  }

  void enterOnTheListComputes() {
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(list()->topLevelItemCount(), 27);
  }

  void lengthTooLargeIsRefusedAndLeavesTheListAlone() {
    computeWith("650");
    korvanel::test::MessageBoxAnswerer answerer;
    computeWith("1E400");
    QCOMPARE(answerer.texts(), QStringList{"The scale length is too large."});
    QCOMPARE(Rows(*list()), ListedRows(650));
  }

  void controlsStandWhereTheDesignPutsThem() {
    QCOMPARE((*window_)->windowTitle(), QStringLiteral("Korvanel"));
    QCOMPARE((*window_)->centralWidget()->size(), QSize(555, 487));
    QCOMPARE(control<QLabel>("lblLength")->geometry(), Twips(120, 170, 1455, 285));
    QCOMPARE(combo()->geometry(), Twips(1680, 120, 1335, 315));
    QCOMPARE(control<QLabel>("lblmm")->geometry(), Twips(3120, 170, 495, 285));
    QCOMPARE(compute()->geometry(), Twips(3840, 70, 1215, 405));
    QCOMPARE(list()->geometry(), Twips(120, 720, 8055, 6450));
    QCOMPARE(control<QLabel>("lblLength")->text(), QStringLiteral("Scale Guitar Length"));
    QCOMPARE(control<QLabel>("lblmm")->text(), QStringLiteral("mm"));
    QCOMPARE(compute()->text(), QStringLiteral("Compute"));
    for (const char* name : {"lblLength", "lblmm"}) {
      const QLabel* label = control<QLabel>(name);
      QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
               name);
    }

    const QStringList headers{"Fret", "Distance from previous (mm)", "Whole Distance (mm)"};
    const int widths[] = {1000, 3500, 3500};
    for (int column = 0; column < 3; ++column) {
      QCOMPARE(list()->headerItem()->text(column), headers[column]);
      QCOMPARE(list()->columnWidth(column), korvanel::test::Pixels(widths[column]));
    }

    // Resizing moves nothing.
    (*window_)->resize((*window_)->size() + QSize(200, 150));
    QCOMPARE(list()->geometry(), Twips(120, 720, 8055, 6450));
  }

  void windowIsCentredOnTheScreen() {
    const QRect screen = (*window_)->screen()->availableGeometry();
    const QPoint offset = (*window_)->frameGeometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
  }

  void tabGoesFromComputeToTheListToTheComboBox() {
    QTest::keyClick(compute(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list());
    QTest::keyClick(list(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == combo() || focus == combo()->lineEdit());
    QTest::keyClick(focus, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), compute());
  }

  void menusHoldTheirItemsInOrderWithoutShortcuts() {
    const auto items = [this](const char* menu) {
      QStringList texts;
      for (QAction* action : control<QMenu>(menu)->actions()) {
        texts << (action->isSeparator() ? action->objectName() + ":-" : action->text());
        if (!action->shortcut().isEmpty()) texts << "shortcut " + action->shortcut().toString();
      }
      return texts;
    };
    QStringList titles;
    for (QAction* action : (*window_)->menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, QStringList({"File", "?"}));
    QCOMPARE(items("mnuFile"), QStringList({"Print", "Riga1:-", "Exit"}));
    QCOMPARE(items("mnuInfo"), QStringList({"Tension and Frequency", "Riga6:-", "About"}));
  }

  // Windows show the same icon that the desktop theme installs.
  void programIconMatchesTheThemeIconsInEverySize() {
    const QIcon icon = korvanel::qt::ProgramIcon();
    QCOMPARE(icon.availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    for (const int size : {16, 32, 48, 64}) {
      const QImage theme = QImage(QStringLiteral(KORVANEL_ICON_DIR "/%1.png").arg(size))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
      QVERIFY2(!theme.isNull(), qPrintable(QStringLiteral("%1.png").arg(size)));
      const QImage shown =
          icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
      QCOMPARE(shown, theme);
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
