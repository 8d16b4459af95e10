#pragma once

#include <memory>
#include <string>

#include "platform/Runtime.h"

class QApplication;
class QIcon;
class QMainWindow;
class QPrinter;

namespace korvanel::qt {

// The program's icon in 16, 32, 48 and 64 pixels, shared by its windows.
QIcon ProgramIcon();

// Qt's application object for the program, made unless the process has one
// (a test's). The program takes no command-line arguments and gives Qt none
// of the user's: no option of Qt's can load a style sheet or change a
// caption behind its back.
class QtApplication {
 protected:
  QtApplication();
  ~QtApplication();

 private:
  std::unique_ptr<QApplication> application_;
};

// The window runtime on Qt Widgets. Each loaded window is a QtForm.
class QtRuntime : private QtApplication, public WindowRuntime {
 public:
  // File > Print prints on the system's printers, each dialog opening on
  // the printer and settings confirmed last in the run, unless given another
  // source of print jobs.
  explicit QtRuntime(PrintJobFactory makePrintJob = {});
  ~QtRuntime() override;

  int Run() override;
  std::string DecimalSeparator() const override;

  // The widget of `window` while it is loaded, else null.
  QMainWindow* WidgetOf(const Window& window) const;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  void Quit() override;
  void ShowError(const char* what) noexcept override;

 private:
  // The printer of every print command of the run, once there was one.
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace korvanel::qt
