#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/RuntimeCore.h"

class QIcon;
class QMainWindow;
class QPrinter;
class QWidget;

namespace korvanel::qt {

// The program's icon in 16, 32, 48 and 64 pixels, shared by its windows.
QIcon ProgramIcon();

// The window runtime on Qt Widgets. Each loaded window is a QtForm, deleted
// once the event that unloaded it is over.
class QtRuntime : public FormRuntime {
 public:
  // Makes the dialog and printer of one File > Print over `window`.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(QWidget* window)>;

  // File > Print prints on the system's printers, each dialog opening on
  // the printer and settings confirmed last in the run, unless given another
  // source of print jobs.
  explicit QtRuntime(const PrintJobFactory& makePrintJob = {});
  ~QtRuntime() override;

  std::string DecimalSeparator() const override;

  // The window of `events` while it is loaded, else null.
  QMainWindow* WindowOf(const FormEvents& events) const;

 protected:
  std::unique_ptr<RuntimeForm> MakeForm(const WindowDesign& design, FormEvents& events) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(RuntimeForm& over) override;
  void OnUnloaded(RuntimeForm& form) noexcept override;
  void Quit() override;

 private:
  // The printer of every print command of the run, once there was one.
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace korvanel::qt
