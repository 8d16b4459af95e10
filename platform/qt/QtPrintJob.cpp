#include "platform/qt/QtPrintJob.h"

#include <QMarginsF>
#include <QPageLayout>

namespace korvanel::qt {

namespace {

constexpr qreal kMarginMillimetres = 15;

// Names the document and sets its margins before the dialog reads them: the
// dialog proposes the name for printing to a file.
QPrinter& Prepared(QPrinter& device) {
  device.setDocName(QStringLiteral("Korvanel"));
  SetPrintMargins(device);
  return device;
}

}  // namespace

void SetPrintMargins(QPrinter& device) {
  const QMarginsF wanted(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                         kMarginMillimetres);
  device.setPageMargins(wanted, QPageLayout::Millimeter);
}

QtPrintJob::QtPrintJob(QWidget* parent) : dialog_(Prepared(device_), parent), printer_(device_) {}

}  // namespace korvanel::qt
