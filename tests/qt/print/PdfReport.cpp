#include "PdfReport.h"

#include <QPageSize>
#include <QPrinter>

#include "platform/CommonDialog.h"
#include "platform/qt/PrintJob.h"
#include "platform/qt/Printer.h"
#include "report/FretReport.h"

namespace korvanel::test {

namespace {

// Stands for a dialog the user confirms at once.
class ConfirmedDialog : public CommonDialog {
 public:
  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override {}
};

}  // namespace

void PrintReportToPdf(FretTable& table, std::string_view decimalSeparator, const QString& path) {
  QPrinter device(QPrinter::HighResolution);
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setPageSize(QPageSize(QPageSize::A4));
  device.setOutputFileName(path);
  qt::SetPrintMargins(device);
  qt::QtPrinter printer(device);
  ConfirmedDialog dialog;
  PrintFretTable(table, decimalSeparator, dialog, printer);
  printer.EndDoc();
}

}  // namespace korvanel::test
