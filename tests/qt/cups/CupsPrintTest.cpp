// The report printed through a real CUPS queue, as a user's printer gets
// it. scripts/test-cups.sh starts a private print system, names the queue in
// KORVANEL_CUPS_QUEUE, its device in KORVANEL_CUPS_DEVICE and the file its
// backend writes in KORVANEL_CUPS_OUTPUT.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QThread>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PdfTools.h"
#include "platform/CommonDialog.h"
#include "platform/ControlError.h"
#include "platform/qt/PrintJob.h"
#include "platform/qt/Printer.h"
#include "report/FretReport.h"
#include "tests/fakes/InterruptedPrinter.h"

namespace korvanel {
namespace {

// Stands for a dialog the user confirms at once.
class ConfirmedDialog : public CommonDialog {
 public:
  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override {}
};

class CupsPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* queue = std::getenv("KORVANEL_CUPS_QUEUE");
    const char* output = std::getenv("KORVANEL_CUPS_OUTPUT");
    const char* device = std::getenv("KORVANEL_CUPS_DEVICE");
    if (queue == nullptr || output == nullptr || device == nullptr) {
      GTEST_SKIP() << "no print system to print to; scripts/test-cups.sh provides one";
    }
    queue_ = QString::fromLocal8Bit(queue);
    output_ = QString::fromLocal8Bit(output);
    deviceUri_ = QString::fromLocal8Bit(device);
    QFile::remove(output_);
    device_.setPrinterName(queue_);
    ASSERT_TRUE(device_.isValid()) << "queue " << queue;
    ASSERT_EQ(device_.outputFormat(), QPrinter::NativeFormat);
    qt::SetPrintMargins(device_);
    table_.ScaleLength = 650;
    ComputeFrets(table_);
  }

  void TearDown() override {
    if (queueRemoved_) RestoreQueue();
    if (!queue_.isEmpty()) SetAccepting(true);
  }

  void SetAccepting(bool accepting) {
    ASSERT_EQ(QProcess::execute(accepting ? "cupsaccept" : "cupsreject", {queue_}), 0);
  }

  // As when the printer is deleted from the system while the report runs.
  void RemoveQueue() {
    ASSERT_EQ(QProcess::execute("lpadmin", {"-x", queue_}), 0);
    queueRemoved_ = true;
  }

  void RestoreQueue() {
    ASSERT_EQ(QProcess::execute("lpadmin", {"-p", queue_, "-E", "-v", deviceUri_, "-m", "raw"}), 0);
    queueRemoved_ = false;
  }

  // The report has run to its end; only ending the document fails, with
  // CUPS's refusal in the message.
  void ExpectOnlyTheEndRefused(Printer& printer) {
    EXPECT_EQ(table_.FretIndex, 25) << "the report went on to its last line";
    try {
      printer.EndDoc();
      FAIL() << "a refused document was reported as printed";
    } catch (const ControlError& error) {
      EXPECT_NE(std::string(error.what()).find("did not accept the document"), std::string::npos)
          << error.what();
    }
    QThread::msleep(500);
    EXPECT_FALSE(QFile::exists(output_));
  }

  // The queue's backend writes the file once the whole job has gone through.
  bool WaitForOutput() const {
    const QDeadlineTimer deadline(30'000);
    while (!QFile::exists(output_)) {
      if (deadline.hasExpired()) return false;
      QThread::msleep(50);
    }
    return true;
  }

  QString queue_;
  QString output_;
  QString deviceUri_;
  bool queueRemoved_ = false;
  QPrinter device_{QPrinter::HighResolution};
  FretTable table_;
  ConfirmedDialog dialog_;
};

TEST_F(CupsPrintTest, JobCompletesAsOnePageShowingTheReport) {
  qt::QtPrinter printer(device_);
  PrintFretTable(table_, ".", dialog_, printer);
  ASSERT_NO_THROW(printer.EndDoc());
  ASSERT_TRUE(WaitForOutput()) << "the job did not come out of the queue";

  EXPECT_EQ(test::PageCount(output_), 1);
  std::vector<QString> expected;
  for (const ReportLine& line : FretReportLines(table_, ".")) {
    if (!line.text.empty()) expected.push_back(QString::fromStdString(line.text).simplified());
  }
  const std::vector<test::PdfLine> printed = test::PdfLines(output_);
  ASSERT_EQ(printed.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(printed[i].Text(), expected[i]) << "printed line " << i + 1;
  }
}

TEST_F(CupsPrintTest, QueueThatStopsAcceptingMidReportFailsTheEndOfDocumentOnly) {
  qt::QtPrinter qtPrinter(device_);
  test::InterruptedPrinter printer(qtPrinter, 20, [this] { SetAccepting(false); });
  PrintFretTable(table_, ".", dialog_, printer);
  ExpectOnlyTheEndRefused(printer);
}

TEST_F(CupsPrintTest, QueueRemovedMidReportFailsTheEndOfDocumentOnly) {
  qt::QtPrinter qtPrinter(device_);
  test::InterruptedPrinter printer(qtPrinter, 20, [this] { RemoveQueue(); });
  PrintFretTable(table_, ".", dialog_, printer);
  ExpectOnlyTheEndRefused(printer);
}

TEST_F(CupsPrintTest, QueueAcceptsAgainAfterARefusal) {
  SetAccepting(false);
  {
    qt::QtPrinter printer(device_);
    printer.PrintLine("refused");
    EXPECT_THROW(printer.EndDoc(), ControlError);
  }
  SetAccepting(true);
  qt::QtPrinter printer(device_);
  PrintFretTable(table_, ".", dialog_, printer);
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_TRUE(WaitForOutput());
}

}  // namespace
}  // namespace korvanel
