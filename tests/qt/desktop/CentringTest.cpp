#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

#include "UiTestSupport.h"

// The windows on a real display under a window manager, which frames each
// window after it is shown: every window is centred as the user sees it,
// frame and title bar included.
class CentringTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<korvanel::test::RunningProgram> main_;

  static void checkCentredWithItsFrame(QWidget& window) {
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(QTest::qWaitFor([&] { return window.windowHandle()->frameMargins().top() > 0; }),
             "no window manager framed the window");
    const QPoint centre = window.screen()->availableGeometry().center();
    // The window manager may take a moment to carry out the last move.
    const bool centred = QTest::qWaitFor([&] {
      const QPoint offset = window.frameGeometry().center() - centre;
      return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
    });
    if (centred) return;
    const QPoint offset = window.frameGeometry().center() - centre;
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QStringLiteral("%1 is off by %2, %3")
                            .arg(window.objectName())
                            .arg(offset.x())
                            .arg(offset.y())));
  }

 private slots:
  void everyWindowIsCentredFrameIncluded() {
    main_ = std::make_unique<korvanel::test::RunningProgram>();
    checkCentredWithItsFrame(*main_->widget());
    for (const auto& [item, window] :
         {std::pair{"mnuTension", "mTension"}, {"mnuAbout", "mAbout"}}) {
      (*main_)->findChild<QAction*>(QString::fromLatin1(item))->trigger();
      const QList<QWidget*> shown = korvanel::test::ShownWindows(QString::fromLatin1(window));
      QCOMPARE(shown.size(), 1);
      checkCentredWithItsFrame(*shown.first());
    }
  }
};

QTEST_MAIN(CentringTest)
#include "CentringTest.moc"
