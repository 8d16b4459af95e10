#include "platform/qt/QtPrintJob.h"

#include <QDialog>
#include <QMarginsF>
#include <QPageLayout>

#include "platform/ControlError.h"

namespace korvanel::qt {

namespace {

constexpr qreal kMarginMillimetres = 15;

}  // namespace

void SetPrintMargins(QPrinter& device) {
  const QMarginsF wanted(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                         kMarginMillimetres);
  device.setPageMargins(wanted, QPageLayout::Millimeter);
}

void PrepareReportDevice(QPrinter& device) {
  device.setDocName(QStringLiteral("Korvanel"));
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

QtPrintJob::QtPrintJob(QPrinter& device, QWidget* parent)
    : device_(device), dialog_(device, parent), printer_(device) {}

}  // namespace korvanel::qt
