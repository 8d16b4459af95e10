#include "platform/qt/Runtime.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMainWindow>
#include <QPrinter>

#include "platform/Printer.h"
#include "platform/qt/FileSaver.h"
#include "platform/qt/Form.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/PrintJob.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

namespace {

// Qt keeps the argument count and vector it is given for the whole run.
int gArgumentCount = 1;
char gProgramName[] = "korvanel";
char* gArguments[] = {gProgramName, nullptr};

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/korvanel/icons/%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

QtApplication::QtApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  application_ = std::make_unique<QApplication>(gArgumentCount, gArguments);
  QApplication::setApplicationName(QStringLiteral("Korvanel"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  // Lets the desktop find the program's entry and icon for its windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.korvanel.Korvanel"));
  // Every window shows the program's icon.
  QApplication::setWindowIcon(ProgramIcon());
}

QtApplication::~QtApplication() = default;

QtRuntime::QtRuntime(PrintJobFactory makePrintJob, FileSaverFactory makeFileSaver)
    : WindowRuntime(std::move(makePrintJob), std::move(makeFileSaver)) {}

QtRuntime::~QtRuntime() = default;

int QtRuntime::Run() { return QApplication::exec(); }

std::unique_ptr<Form> QtRuntime::MakeForm(Window& window) {
  return std::make_unique<QtForm>(*this, window);
}

std::unique_ptr<PrintJob> QtRuntime::DefaultPrintJob(Form& over) {
  // Made at the first print command: asking the print system for its
  // printers can take a while.
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepareReportDevice(*printer_);
  }
  return std::make_unique<QtPrintJob>(*printer_, &static_cast<QtForm&>(over));
}

std::unique_ptr<FileSaver> QtRuntime::DefaultFileSaver(Form& over) {
  return std::make_unique<QtFileSaver>(&static_cast<QtForm&>(over));
}

void QtRuntime::Quit() { QCoreApplication::quit(); }

void QtRuntime::ShowMessage(Form* owner, std::string_view text) {
  ShowMessageBox(static_cast<QtForm*>(owner), Utf8Text(text));
}

std::string QtRuntime::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

bool QtRuntime::UsesLetterPaper() const {
  return UsesLetter(QLocale::territoryToCode(QLocale().territory()).toStdString());
}

QMainWindow* QtRuntime::WidgetOf(const Window& window) const {
  return static_cast<QtForm*>(FormOf(window));
}

}  // namespace korvanel::qt
