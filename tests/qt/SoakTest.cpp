#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <memory>
#include <random>

#include "UiTestSupport.h"
#include "platform/ControlError.h"
#include "platform/PrintJob.h"
#include "tests/fakes/RecordingPrint.h"

using korvanel::test::ShownWindows;

namespace {

// A print job whose printer fails at a chosen operation, standing for a
// printer that gives up part-way through a document.
class FailingJob : public korvanel::PrintJob {
 public:
  explicit FailingJob(int failAt) : dialog_(log_), printer_(log_) {
    if (failAt > 0) log_.FailAt(failAt, std::make_exception_ptr(korvanel::ControlError("jam")));
  }
  korvanel::CommonDialog& Dialog() override { return dialog_; }
  korvanel::Printer& LinePrinter() override { return printer_; }

 private:
  korvanel::testing::OperationLog log_;
  korvanel::testing::RecordingDialog dialog_;
  korvanel::testing::RecordingPrinter printer_;
};

// Texts a user might type or paste into the scale-length box, and some no
// user would.
QString RandomText(std::mt19937& random) {
  static const QString kAlphabet = QString::fromUtf8("0123456789.,+-eE \t\n\rmabc\u00e9\u2026\x01");
  switch (random() % 8) {
    case 0:
      return "1E400";
    case 1:
      return QString(static_cast<qsizetype>(5000 + random() % 5000), QChar('9'));
    case 2:
      return QString::number(static_cast<int>(random() % 2000) - 1000) + "." +
             QString::number(random() % 1000);
    default: {
      QString text;
      const auto length = random() % 24;
      for (unsigned i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
      return text;
    }
  }
}

QtMessageHandler gQtHandler = nullptr;

// The offscreen platform warns at every window it shows that it cannot
// pass size hints on or raise a window; thousands of those would bury the
// soak's own report.
void DropPlatformLimitWarnings(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
    gQtHandler(type, context, message);
  }
}

unsigned SeedFromEnvironment() {
  const char* seed = std::getenv("KORVANEL_SOAK_SEED");
  return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208u;
}

}  // namespace

// Long use of the real windows by a random user: typing, picking, computing,
// printing on a printer that fails, opening and closing the information
// windows in any order. Set KORVANEL_SOAK_SEED to replay a run.
class SoakTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<korvanel::test::RunningProgram> main_;
  std::mt19937 random_;

  template <class Control>
  Control* inMain(const char* name) const {
    return (*main_)->findChild<Control*>(QString::fromLatin1(name));
  }
  void choose(const char* menuItem) { inMain<QAction>(menuItem)->trigger(); }
  static void click(const char* window, const char* button) {
    for (QWidget* shown : ShownWindows(QString::fromLatin1(window))) {
      QTest::mouseClick(shown->findChild<QPushButton*>(QString::fromLatin1(button)),
                        Qt::LeftButton);
    }
  }
  // Lets closed windows be deleted, as the event loop would between events.
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  void act(unsigned action) {
    QComboBox* box = inMain<QComboBox>("cmbLength");
    switch (action) {
      case 0:
        box->setEditText(RandomText(random_));
        break;
      case 1:
        box->setCurrentIndex(static_cast<int>(random_() % 15));
        break;
      case 2:
        QTest::mouseClick(inMain<QPushButton>("btnCompute"), Qt::LeftButton);
        break;
      case 3:
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        break;
      case 4:
        choose("mnuTension");
        break;
      case 5:
        choose("mnuAbout");
        break;
      case 6:
        click("mTension", "btnOk");
        break;
      case 7:
        click("mAbout", "btnOK");
        break;
      default:
        choose("mnuPrint");
        break;
    }
    settle();
  }

  void checkInvariants(int step) {
    const QByteArray where = "after action " + QByteArray::number(step);
    QVERIFY2((*main_)->isVisible(), where);
    QVERIFY2(ShownWindows("mTension").size() <= 1, where);
    QVERIFY2(ShownWindows("mAbout").size() <= 1, where);
    for (QWidget* tension : ShownWindows("mTension")) {
      QVERIFY2(tension->findChild<QTreeWidget*>("lst")->topLevelItemCount() == 6, where);
    }
    const int rows = inMain<QTreeWidget>("lst")->topLevelItemCount();
    QVERIFY2(rows == 0 || rows == 27, where);
    QComboBox* box = inMain<QComboBox>("cmbLength");
    QVERIFY2(box->count() == 15, where);
    for (int i = 0; i < 15; ++i) QVERIFY2(box->itemText(i) == QString::number(600 + 5 * i), where);
  }

 private slots:
  void initTestCase() { gQtHandler = qInstallMessageHandler(DropPlatformLimitWarnings); }

  void tenThousandRandomActionsKeepTheProgramSound() {
    const unsigned seed = SeedFromEnvironment();
    qInfo("soak seed %u (KORVANEL_SOAK_SEED replays it)", seed);
    random_.seed(seed);
    main_ = std::make_unique<korvanel::test::RunningProgram>([this](QWidget*) {
      // Half the print jobs fail somewhere between the dialog and the end.
      const int failAt = random_() % 2 == 0 ? static_cast<int>(1 + random_() % 45) : 0;
      return std::make_unique<FailingJob>(failAt);
    });
    korvanel::test::MessageBoxAnswerer answerer;

    QElapsedTimer clock;
    clock.start();
    constexpr int kActions = 10'000;
    for (int step = 1; step <= kActions; ++step) {
      act(static_cast<unsigned>(random_() % 9));
      checkInvariants(step);
      if (QTest::currentTestFailed()) return;
    }
    qInfo("%d actions in %lld ms, %lld messages answered", kActions,
          static_cast<long long>(clock.elapsed()), static_cast<long long>(answerer.texts().size()));
    main_.reset();
  }

  void repeatedUseLeavesNoWidgetsBehind() {
    main_ = std::make_unique<korvanel::test::RunningProgram>();
    // The first round loads what stays loaded: the fret list rows, and the
    // information windows' single instances.
    QTest::mouseClick(inMain<QPushButton>("btnCompute"), Qt::LeftButton);
    choose("mnuTension");
    click("mTension", "btnOk");
    choose("mnuAbout");
    click("mAbout", "btnOK");
    settle();
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    for (int cycle = 0; cycle < 1000; ++cycle) {
      choose("mnuTension");
      click("mTension", "btnOk");
      choose("mnuAbout");
      click("mAbout", "btnOK");
      QTest::mouseClick(inMain<QPushButton>("btnCompute"), Qt::LeftButton);
      settle();
    }
    const qsizetype widgetsAfter = QApplication::allWidgets().size();
    qInfo("live widgets: %lld before, %lld after 1000 cycles",
          static_cast<long long>(widgetsBefore), static_cast<long long>(widgetsAfter));
    QCOMPARE(widgetsAfter, widgetsBefore);
    main_.reset();
  }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
