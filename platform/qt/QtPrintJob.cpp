#include "platform/qt/QtPrintJob.h"

#include <QMarginsF>
#include <QPageLayout>

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

QtPrintJob::QtPrintJob(QPrinter& device, QWidget* parent)
    : device_(device), dialog_(device, parent), printer_(device) {}

}  // namespace korvanel::qt
