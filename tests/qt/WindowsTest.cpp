// What the Qt windows do beyond the behaviour every runtime shares
// (tests/behaviour): their place on the screen with the window manager's
// frame, their texts in Qt's stand-in fonts, the keys Qt's widgets take,
// the event loop's end and the program's icon.
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

#include "UiTestSupport.h"
#include "ui/info/mAboutDesign.h"
#include "ui/info/mTensionDesign.h"
#include "ui/main/mMainDesign.h"
#include "ui/template/mTemplateDesign.h"

using korvanel::test::ShownWindows;

class WindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<korvanel::test::RunningProgram> main_;

  void choose(const char* menuItem) {
    auto* item = (*main_)->findChild<QAction*>(QString::fromLatin1(menuItem));
    QVERIFY(item != nullptr);
    item->trigger();
  }

  // The one shown window of that name, or null.
  static QWidget* theWindow(std::string_view name) {
    const QList<QWidget*> shown = ShownWindows(QString::fromUtf8(name.data(), std::ssize(name)));
    return shown.size() == 1 ? shown.front() : nullptr;
  }

  void openAll() {
    choose("mnuTension");
    choose("mnuAbout");
    choose("mnuTemplate");
  }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    main_ = std::make_unique<korvanel::test::RunningProgram>();
    QVERIFY(QTest::qWaitForWindowActive(main_->widget()));
  }

  void cleanup() {
    main_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void windowsOpenCentredOnTheScreen() {
    openAll();
    for (const auto* design :
         {&korvanel::design::kMain, &korvanel::design::kTension, &korvanel::design::kAbout}) {
      const QWidget* window = theWindow(design->name);
      QVERIFY(window != nullptr);
      const QPoint offset =
          window->frameGeometry().center() - window->screen()->availableGeometry().center();
      QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
               qPrintable(QStringLiteral("%1 off by %2, %3")
                              .arg(window->objectName())
                              .arg(offset.x())
                              .arg(offset.y())));
    }
  }

  // Only the fraction bar is meant to be cut at its right edge.
  void everyLabelShowsItsWholeTextInTheFontStandingInForItsDesign() {
    openAll();
    for (const auto* design :
         {&korvanel::design::kMain, &korvanel::design::kTension, &korvanel::design::kAbout}) {
      const QWidget* window = theWindow(design->name);
      for (const korvanel::ControlDesign& control : design->controls) {
        if (control.kind != korvanel::ControlKind::Label || control.name == "Label2") continue;
        const auto* label = window->findChild<QLabel*>(QString::fromUtf8(control.name.data()));
        QVERIFY(label != nullptr);
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
      }
    }
  }

  void theAboutTitleAloneHasAFontAndColourOfItsOwn() {
    choose("mnuAbout");
    QWidget* window = theWindow("mAbout");
    auto* title = window->findChild<QLabel*>("Label6");
    QCOMPARE(title->font().pointSizeF(), 18.0);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(window->findChild<QLabel*>("Label1")->font().pointSizeF(), 8.25);
  }

  void resizingMovesNothing() {
    const QRect list = (*main_)->findChild<QWidget*>("lst")->geometry();
    (*main_)->resize((*main_)->size() + QSize(200, 150));
    QCOMPARE((*main_)->findChild<QWidget*>("lst")->geometry(), list);
  }

  // "650" is the list's current entry: Down steps on to "655".
  void downInTheComboBoxStepsOnFromTheCurrentEntry() {
    auto* combo = (*main_)->findChild<QComboBox*>("cmbLength");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("655"));
  }

  void spaceOnOkClosesAbout() {
    choose("mnuAbout");
    QWidget* window = theWindow("mAbout");
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QPushButton*>("btnOK"), Qt::Key_Space);
    QVERIFY(ShownWindows("mAbout").isEmpty());
  }

  void exitEndsTheEventLoop() {
    openAll();
    QTimer::singleShot(0, this, [this] { choose("mnuExit"); });
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
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

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
