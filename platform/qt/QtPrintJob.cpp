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

QtPrintJob::QtPrintJob(QWidget* parent) : dialog_(device_, parent), printer_(device_) {
  SetPrintMargins(device_);
}

}  // namespace korvanel::qt
