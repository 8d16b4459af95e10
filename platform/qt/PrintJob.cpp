#include "platform/qt/PrintJob.h"

#include <QDialog>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>

#include "platform/ControlError.h"
#include "platform/Printer.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

void SetPrintMargins(QPrinter& device) {
  const QMarginsF wanted(kPrintMarginMillimetres, kPrintMarginMillimetres, kPrintMarginMillimetres,
                         kPrintMarginMillimetres);
  device.setPageMargins(wanted, QPageLayout::Millimeter);
}

void PrepareReportDevice(QPrinter& device) {
  device.setDocName(Utf8Text(kDocumentName));
  SetPrintMargins(device);
}

void QtPrintDialog::SetPrintToFileOffered(bool offered) {
  dialog_.setOption(QAbstractPrintDialog::PrintToFile, offered);
}

void QtPrintDialog::ShowPrinter() {
  // Its parent window is disabled while the print command runs; a window of
  // its own, the dialog stays usable all the same.
  dialog_.setEnabled(true);
  if (dialog_.exec() != QDialog::Accepted) throw ControlError("Printing was cancelled.");
}

}  // namespace korvanel::qt
