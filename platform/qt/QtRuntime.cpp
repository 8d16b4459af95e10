#include "platform/qt/QtRuntime.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMainWindow>

#include "platform/qt/QtForm.h"
#include "platform/qt/QtPrintJob.h"

namespace korvanel::qt {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/korvanel/icons/%1.png").arg(size), QSize(size, size));
  }
  return icon;
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
