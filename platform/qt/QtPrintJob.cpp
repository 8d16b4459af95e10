#include "platform/qt/QtPrintJob.h"

#include <QEvent>
#include <QMarginsF>
#include <QPageLayout>
#include <QWidget>

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

DisabledWindows::DisabledWindows(const std::vector<QWidget*>& windows, QWidget* active) {
  if (active != nullptr && active->isActiveWindow()) active_ = active;
  for (QWidget* window : windows) {
    if (window == nullptr || !window->isEnabled()) continue;
    window->setEnabled(false);
    window->installEventFilter(this);
    disabled_.emplace_back(window);
  }
}

DisabledWindows::~DisabledWindows() {
  for (const QPointer<QWidget>& window : disabled_) {
    if (window.isNull()) continue;
    window->removeEventFilter(this);
    window->setEnabled(true);
  }
  if (!active_.isNull() && active_->isEnabled()) active_->activateWindow();
}

bool DisabledWindows::eventFilter(QObject* watched, QEvent* event) {
  // The close box: the window manager's, not the program's own closing.
  if (event->type() == QEvent::Close && event->spontaneous()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace korvanel::qt
