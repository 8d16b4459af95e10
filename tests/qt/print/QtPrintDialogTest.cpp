// The Qt printer dialog behind the program's common dialog, and the print
// job that ties it to the printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/ControlError.h"
#include "platform/qt/PrintJob.h"

namespace korvanel {
namespace {

// Answers the next modal dialog as soon as it is shown.
void AnswerNextDialog(std::function<void(QDialog&)> answer) {
  QTimer::singleShot(0, [answer = std::move(answer)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

TEST(QtPrintDialog, PrintToFileIsTheOptionTheReportSets) {
  QPrinter device;
  qt::QtPrinter printer(device);
  qt::QtPrintDialog dialog(printer, nullptr);
  dialog.SetPrintToFileOffered(true);
  EXPECT_TRUE(dialog.Dialog().testOption(QAbstractPrintDialog::PrintToFile));
  dialog.SetPrintToFileOffered(false);
  EXPECT_FALSE(dialog.Dialog().testOption(QAbstractPrintDialog::PrintToFile));
}

TEST(QtPrintDialog, CancellingIsAControlErrorAndConfirmingCompletes) {
  QPrinter device;
  qt::QtPrinter printer(device);
  qt::QtPrintDialog dialog(printer, nullptr);
  AnswerNextDialog([](QDialog& shown) { shown.reject(); });
  EXPECT_THROW(dialog.ShowPrinter(), ControlError);
  AnswerNextDialog([](QDialog& shown) { shown.accept(); });
  EXPECT_NO_THROW(dialog.ShowPrinter());
}

TEST(QtPrintJob, LinePrinterDrawsOnTheDeviceTheDialogSetUp) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath("job.pdf");

  QPrinter device;
  qt::PrepareReportDevice(device);
  qt::QtPrintJob job(device, nullptr);
  EXPECT_EQ(device.docName(), "Korvanel");
  job.Dialog().SetPrintToFileOffered(true);
  AnswerNextDialog([](QDialog& shown) { shown.accept(); });
  job.Dialog().ShowPrinter();
  // Whatever printer was confirmed, print into a file the test can find.
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(pdf);

  job.LinePrinter().PrintLine("   Korvanel");
  job.LinePrinter().EndDoc();
  EXPECT_TRUE(QFileInfo::exists(pdf));
}

}  // namespace
}  // namespace korvanel
