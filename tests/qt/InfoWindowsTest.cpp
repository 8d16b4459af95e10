#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

#include "UiTestSupport.h"
#include "platform/qt/Controls.h"

using korvanel::test::Rows;
using korvanel::test::ShownWindows;
using korvanel::test::Twips;

namespace {

const QVector<QStringList> kOpenStrings = {
    {" 1 st", "E(2)", QString::fromUtf8(" 329.6\u2026  Hz")},
    {" 2 nd", "B(1)", QString::fromUtf8(" 246.9\u2026  Hz")},
    {" 3 rd", "G(1)", QString::fromUtf8(" 196.0\u2026  Hz")},
    {" 4 th", "D(1)", QString::fromUtf8(" 146.8\u2026  Hz")},
    {" 5 th", "A(0)", " 110     Hz"},
    {" 6 th", "E(0)", QString::fromUtf8("  82.4\u2026  Hz")},
};

struct LabelDesign {
  const char* name;
  const char* text;
  QRect place;
};

struct LineDesign {
  const char* name;
  int x1, y1, x2, y2;
};

}  // namespace

class InfoWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<korvanel::test::RunningProgram> main_;

  void choose(const char* menuItem) {
    auto* item = (*main_)->findChild<QAction*>(QString::fromLatin1(menuItem));
    QVERIFY(item != nullptr);
    item->trigger();
  }

  // The one shown window of that name; fails the test when there are more.
  static QWidget* theWindow(const char* name) {
    const QList<QWidget*> shown = ShownWindows(QString::fromLatin1(name));
    return shown.size() == 1 ? shown.front() : nullptr;
  }

  static QTreeWidget* tensionList() {
    QWidget* window = theWindow("mTension");
    return window == nullptr ? nullptr : window->findChild<QTreeWidget*>("lst");
  }

  static void checkLabels(const QWidget& window, std::initializer_list<LabelDesign> labels) {
    for (const LabelDesign& design : labels) {
      const auto* label = window.findChild<QLabel*>(QString::fromLatin1(design.name));
      QVERIFY2(label != nullptr, design.name);
      QCOMPARE(label->text(), QString::fromLatin1(design.text));
      QCOMPARE(label->geometry(), design.place);
      // Only the fraction bar is meant to be cut at its right edge.
      if (qstrcmp(design.name, "Label2") != 0) {
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 design.name);
      }
    }
  }

  static void checkCentred(const QWidget& window) {
    const QPoint offset =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
  }

  // Unloaded windows are deleted once control is back in the event loop.
  static void letUnloadsFinish() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() { main_ = std::make_unique<korvanel::test::RunningProgram>(); }

  void cleanup() {
    main_.reset();
    letUnloadsFinish();
  }

  void tensionOpensOnceWithSixStringsAndFocusInTheList() {
    choose("mnuTension");
    choose("mnuTension");
    QWidget* window = theWindow("mTension");
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(Rows(*tensionList()), kOpenStrings);
    QCOMPARE(QApplication::focusWidget(), tensionList());
    QCOMPARE(tensionList()->topLevelItem(0)->text(2).size(), 11);
    checkCentred(*window);
  }

  void byeUnloadsAndTheNextOpeningLoadsAgain() {
    choose("mnuTension");
    auto* bye = theWindow("mTension")->findChild<QPushButton*>("btnOk");
    QCOMPARE(bye->text(), QStringLiteral("Bye"));
    QTest::mouseClick(bye, Qt::LeftButton);
    QVERIFY(theWindow("mTension") == nullptr);
    letUnloadsFinish();
    QVERIFY(ShownWindows("mTension").isEmpty());

    choose("mnuTension");
    QCOMPARE(Rows(*tensionList()), kOpenStrings);
    theWindow("mTension")->close();
    choose("mnuTension");
    QCOMPARE(Rows(*tensionList()), kOpenStrings);
  }

  void tensionFollowsItsDesign() {
    choose("mnuTension");
    QWidget* window = theWindow("mTension");
    QCOMPARE(window->windowTitle(), QStringLiteral("Frequency and Tension"));
    QCOMPARE(window->size(), QSize(479, 373));
    checkLabels(*window,
                {{"Label1", "Frequency   = ", Twips(120, 1260, 1455, 255)},
                 {"Label2", "_____________________________________", Twips(1440, 1200, 3015, 255)},
                 {"Label3", "Tension", Twips(2400, 1080, 975, 255)},
                 {"Label4", "2", Twips(1680, 1560, 375, 255)},
                 {"Label5", "Linear Mass", Twips(2400, 1560, 975, 255)},
                 {"Label6", "Length", Twips(3720, 1560, 855, 255)},
                 {"Label7", "Frequency:   Hz", Twips(5280, 840, 1335, 255)},
                 {"Label8", "Tension:   N", Twips(5280, 1200, 1215, 255)},
                 {"Label9", "Linear Mass:    kg/m", Twips(5280, 1560, 1575, 255)},
                 {"Label10",
                  "The frequency of a sound generated by the vibration of a string is given by the "
                  "following formula:",
                  Twips(120, 240, 6975, 255)},
                 {"Label11", "Frequency of each string in a guitar:", Twips(120, 3120, 3015, 255)},
                 {"Label12", "Length:   m", Twips(5280, 1920, 1335, 255)}});

    for (const LineDesign& line : {LineDesign{"Line5", 2040, 1080, 2160, 1080},
                                   {"Line6", 2280, 1320, 2160, 1080},
                                   {"Line7", 2400, 960, 2280, 1320},
                                   {"Line8", 2400, 960, 3360, 960},
                                   {"Line1", 2040, 1560, 2160, 1560},
                                   {"Line2", 2280, 1800, 2160, 1560},
                                   {"Line3", 2400, 1440, 2280, 1800},
                                   {"Line4", 2400, 1440, 3360, 1440},
                                   {"Line9", 120, 2880, 6960, 2880}}) {
      const auto* shape = window->findChild<korvanel::qt::LineShape*>(line.name);
      QVERIFY2(shape != nullptr, line.name);
      const QPoint from(korvanel::test::Pixels(line.x1), korvanel::test::Pixels(line.y1));
      const QPoint to(korvanel::test::Pixels(line.x2), korvanel::test::Pixels(line.y2));
      QCOMPARE(shape->mapToParent(shape->p1()), from);
      QCOMPARE(shape->mapToParent(shape->p2()), to);
    }

    QCOMPARE(tensionList()->geometry(), Twips(120, 3480, 4095, 1715));
    const QStringList headers{"String", "Note", "Frequence"};
    const int widths[] = {1000, 1000, 2000};
    for (int column = 0; column < 3; ++column) {
      QCOMPARE(tensionList()->headerItem()->text(column), headers[column]);
      QCOMPARE(tensionList()->columnWidth(column), korvanel::test::Pixels(widths[column]));
    }
    QCOMPARE(window->findChild<QPushButton*>("btnOk")->geometry(), Twips(5040, 3480, 1935, 1815));
  }

  void tabMovesBetweenTheListAndBye() {
    choose("mnuTension");
    QWidget* window = theWindow("mTension");
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(tensionList(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->findChild<QPushButton*>("btnOk"));
  }

  void aboutOpensOnceAndSpaceOnOkClosesIt() {
    choose("mnuAbout");
    choose("mnuAbout");
    QWidget* window = theWindow("mAbout");
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window));
    checkCentred(*window);
    auto* ok = window->findChild<QPushButton*>("btnOK");
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Space);
    QVERIFY(ShownWindows("mAbout").isEmpty());

    choose("mnuAbout");
    QVERIFY(theWindow("mAbout") != nullptr);
  }

  void aboutFollowsItsDesign() {
    choose("mnuAbout");
    QWidget* window = theWindow("mAbout");
    QCOMPARE(window->windowTitle(), QStringLiteral("About"));
    QCOMPARE(window->size(), QSize(381, 261));
    QCOMPARE(window->findChild<QPushButton*>("btnOK")->geometry(), Twips(1920, 3120, 1815, 495));
    auto* title = window->findChild<QLabel*>("Label6");
    QCOMPARE(title->text(), QStringLiteral("Korvanel"));
    QCOMPARE(title->geometry(), Twips(240, 240, 5055, 495));
    QCOMPARE(title->font().pointSizeF(), 18.0);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 192));

    const struct {
      const char* name;
      QRect place;
    } credits[] = {{"Label1", Twips(240, 1080, 4215, 255)},
                   {"Label2", Twips(240, 1320, 3855, 255)},
                   {"Label3", Twips(240, 1800, 4695, 255)},
                   {"Label4", Twips(240, 2040, 4215, 255)},
                   {"Label5", Twips(240, 2640, 3375, 255)}};
    for (const auto& credit : credits) {
      const auto* label = window->findChild<QLabel*>(credit.name);
      QCOMPARE(label->geometry(), credit.place);
      QCOMPARE(label->font().pointSizeF(), 8.25);
      // Each credit line fits its label on one line.
      QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
               credit.name);
    }
  }

  void exitClosesEveryWindowAndEndsTheEventLoop() {
    choose("mnuTension");
    choose("mnuAbout");
    QTimer::singleShot(0, this, [this] { choose("mnuExit"); });
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(ShownWindows("mMain").isEmpty());
    QVERIFY(ShownWindows("mTension").isEmpty());
    QVERIFY(ShownWindows("mAbout").isEmpty());
  }

  void closingTheMainWindowLeavesTheOthersOpen() {
    choose("mnuTension");
    (*main_)->close();
    QVERIFY(theWindow("mTension") != nullptr);
  }
};

QTEST_MAIN(InfoWindowsTest)
#include "InfoWindowsTest.moc"
