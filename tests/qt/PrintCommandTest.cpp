#include <QComboBox>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <exception>
#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "platform/ControlError.h"
#include "platform/PrintJob.h"
#include "tests/fakes/RecordingPrint.h"

using korvanel::ControlError;
using korvanel::test::OperationLog;
using korvanel::test::RecordingDialog;
using korvanel::test::RecordingPrinter;

namespace {

// Operations of one print command: the dialog's option and showing it, six
// settings, 35 lines, the heading switch after line 5, the end of document.
constexpr int kOperationsOfAFullPrint = 2 + 6 + 35 + 1 + 1;

}  // namespace

// File > Print on the Qt runtime: the user's decimal separator, the one
// message a print can give, the windows taking no input while it runs, and
// the system's print dialog keeping the settings confirmed last. What the
// command prints and when it ends its document is the handler's and the
// report's, tested with them.
class PrintCommandTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<OperationLog> log_;
  std::unique_ptr<RecordingDialog> dialog_;
  std::unique_ptr<RecordingPrinter> printer_;
  std::unique_ptr<korvanel::test::RunningProgram> window_;

  void print() { (*window_)->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger(); }
  void computeWith(const QString& text) {
    (*window_)->findChild<QComboBox*>(QStringLiteral("cmbLength"))->setEditText(text);
    QTest::mouseClick((*window_)->findChild<QPushButton*>(QStringLiteral("btnCompute")),
                      Qt::LeftButton);
  }
  const std::vector<std::string>& lines() const { return printer_->Documents().at(0).lines; }

 private slots:
  void init() {
    QLocale::setDefault(QLocale::c());
    log_ = std::make_unique<OperationLog>();
    dialog_ = std::make_unique<RecordingDialog>(*log_);
    printer_ = std::make_unique<RecordingPrinter>(*log_);
    window_ = std::make_unique<korvanel::test::RunningProgram>([this](korvanel::Form&) {
      return std::make_unique<korvanel::test::BorrowedPrintJob>(*dialog_, *printer_);
    });
  }

  void cleanup() { window_.reset(); }

  void writesTheLengthWithTheUsersDecimalSeparator_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("length");
    QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany) << "647,7";
    // Not ASCII: U+066B ARABIC DECIMAL SEPARATOR.
    QTest::newRow("arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << "647\u066B7";
  }

  void writesTheLengthWithTheUsersDecimalSeparator() {
    QFETCH(QLocale, locale);
    QFETCH(QString, length);
    QLocale::setDefault(locale);
    computeWith("647.7");
    print();
    QCOMPARE(QString::fromStdString(lines()[5]), "   Scale Guitar Length  =  " + length + " mm");
  }

  void failingEndOfDocumentIsTheOneMessage() {
    korvanel::test::MessageBoxAnswerer answerer;
    log_->FailAt(
        kOperationsOfAFullPrint,
        std::make_exception_ptr(ControlError("The printer could not finish the document.")));
    print();
    const QStringList warning{"The printer could not finish the document."};
    QVERIFY(QTest::qWaitFor([&] { return answerer.texts() == warning; }));
    QCOMPARE(lines().size(), std::size_t{35});
  }

  void windowIsDisabledWhileThePrintCommandRuns() {
    bool enabledDuring = true;
    dialog_->whileShown = [&] { enabledDuring = (*window_)->isEnabled(); };
    print();
    QVERIFY(!enabledDuring);
    QVERIFY((*window_)->isEnabled());
  }

  // On the system's printers: the second dialog shows the copies that the
  // first one confirmed.
  void nextPrintStartsFromTheSettingsConfirmedBefore() {
    korvanel::test::MessageBoxAnswerer answerer;
    QTemporaryDir dir;
    korvanel::test::RunningProgram program;
    QList<int> copiesShown;
    for (const bool confirm : {true, false}) {
      QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr && dialog->isEnabled());
        auto* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        copiesShown << copies->value();
        copies->setValue(3);
        confirm ? dialog->accept() : dialog->reject();
        // Whatever printer the test machine has: into a file.
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(dir.filePath("first.pdf"));
      });
      program->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
    }
    QCOMPARE(copiesShown, (QList<int>{1, 3}));
    QVERIFY(answerer.texts().isEmpty());
  }
};

QTEST_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
