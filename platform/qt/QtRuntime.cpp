#include "platform/qt/QtRuntime.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QMainWindow>
#include <QMargins>
#include <QScreen>
#include <QWindow>

#include "platform/qt/QtForm.h"
#include "platform/qt/QtPrintJob.h"

namespace korvanel::qt {

namespace {

QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

// The top-left corner that centres the window on its screen as the user sees
// it: with its frame, when it has one. A top-level widget's position is its
// frame's.
QPoint CentredPosition(const QWidget& window) {
  QRect place(QPoint(), window.size().grownBy(FrameMargins(window)));
  place.moveCenter(window.screen()->availableGeometry().center());
  return place.topLeft();
}

// A window manager frames a window only after it is shown, so the first
// centring knows no frame and leaves the window lower by half its title bar.
// This centres the window once more when its frame arrives.
class CentreWhenFramed : public QObject {
 public:
  explicit CentreWhenFramed(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Show) {
      auto& window = static_cast<QWidget&>(*watched);
      if (!FrameMargins(window).isNull()) {
        window.removeEventFilter(this);
        window.move(CentredPosition(window));
        deleteLater();
      }
    }
    return false;
  }
};

}  // namespace

void ShowCentred(QWidget& window) {
  window.move(CentredPosition(window));
  if (FrameMargins(window).isNull()) new CentreWhenFramed(window);
  window.show();
}

QtRuntime::QtRuntime(const PrintJobFactory& makePrintJob)
    : FormRuntime(makePrintJob ? FormRuntime::PrintJobFactory([makePrintJob](RuntimeForm& over) {
        return makePrintJob(&static_cast<QtForm&>(over));
      })
                               : nullptr) {}

QtRuntime::~QtRuntime() = default;

std::unique_ptr<RuntimeForm> QtRuntime::MakeForm(const WindowDesign& design, FormEvents& events) {
  return std::make_unique<QtForm>(*this, design, events);
}

std::unique_ptr<PrintJob> QtRuntime::DefaultPrintJob(RuntimeForm& over) {
  // Made at the first print command: asking the print system for its
  // printers can take a while.
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepareReportDevice(*printer_);
  }
  return std::make_unique<QtPrintJob>(*printer_, &static_cast<QtForm&>(over));
}

void QtRuntime::OnUnloaded(RuntimeForm& form) noexcept { static_cast<QtForm&>(form).deleteLater(); }

void QtRuntime::Quit() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

std::string QtRuntime::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

QMainWindow* QtRuntime::WindowOf(const FormEvents& events) const {
  return static_cast<QtForm*>(FormOf(events));
}

}  // namespace korvanel::qt
