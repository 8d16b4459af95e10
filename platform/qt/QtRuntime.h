#pragma once

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"

class QMainWindow;
class QPrinter;
class QWidget;

namespace korvanel::qt {

class QtForm;

// Shows `window` centred on its screen as the user sees it, frame included.
void ShowCentred(QWidget& window);

// The window runtime on Qt Widgets. Each loaded window is a QtForm, deleted
// once the event that unloaded it is over.
class QtRuntime : public WindowRuntime {
 public:
  // Makes the dialog and printer of one File > Print over `window`.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(QWidget* window)>;

  // File > Print prints on the system's printers, each dialog opening on
  // the printer and settings confirmed last in the run, unless given another
  // source of print jobs.
  explicit QtRuntime(PrintJobFactory makePrintJob = {});
  ~QtRuntime() override;

  QtRuntime(const QtRuntime&) = delete;
  QtRuntime& operator=(const QtRuntime&) = delete;

  void Show(const WindowDesign& design, FormEvents& events) override;
  void Unload(FormEvents& events) noexcept override;
  void End() override;
  std::string DecimalSeparator() const override;

  // The window of `events` while it is loaded, else null.
  QMainWindow* WindowOf(const FormEvents& events) const;

  // For QtForm. The job of one print command; every window of the program
  // is disabled while it lives.
  std::unique_ptr<PrintJob> MakePrintJob(QWidget* window) const;
  void Unloaded(QtForm& form) noexcept;

 private:
  void Load(const WindowDesign& design, FormEvents& events);

  PrintJobFactory makePrintJob_;
  // The printer of every print command of the run, once there was one.
  std::unique_ptr<QPrinter> printer_;
  std::map<const FormEvents*, QPointer<QtForm>> loaded_;
  // Every window made and not yet deleted, loaded or not.
  std::vector<QPointer<QtForm>> created_;
};

}  // namespace korvanel::qt
