#pragma once

#include <QObject>
#include <QPointer>
#include <QPrinter>

#include <functional>
#include <memory>
#include <vector>

#include "platform/PrintJob.h"
#include "platform/qt/QtPrintDialog.h"
#include "platform/qt/QtPrinter.h"

class QEvent;
class QWidget;

namespace korvanel::qt {

// Gives `device` page margins of 15 mm: without them a PDF page is printed
// to within a few points of its edge. A printer that cannot print that close
// to its edge keeps its own margins.
void SetPrintMargins(QPrinter& device);

// Names the documents of `device` and gives it the report's margins; done
// once for the printer the run keeps, before its first dialog reads them
// (the dialog proposes the name for printing to a file).
void PrepareReportDevice(QPrinter& device);

// Everything one File > Print needs: the dialog that sets up `device` and
// the line printer that draws on it. Make one per print command over the
// printer device the run keeps, so that each dialog opens on the printer and
// settings confirmed last; the dialog is modal over `parent`.
class QtPrintJob : public PrintJob {
 public:
  QtPrintJob(QPrinter& device, QWidget* parent);

  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }
  QPrinter& Device() { return device_; }

 private:
  QPrinter& device_;
  QtPrintDialog dialog_;
  QtPrinter printer_;
};

// Disables the given windows while it lives, so that nothing reaches them
// while a command runs its own event loops, and keeps the window manager
// from closing them meanwhile. At its end it enables again those it
// disabled and activates `active` again when it was the active window.
class DisabledWindows : public QObject {
 public:
  DisabledWindows(const std::vector<QWidget*>& windows, QWidget* active);
  ~DisabledWindows() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QPointer<QWidget>> disabled_;
  QPointer<QWidget> active_;
};

// The print job of one print command, made by `makeJob`, with the program's
// windows disabled from before the job is made until after it is gone.
class ModalPrintJob : public PrintJob {
 public:
  using Factory = std::function<std::unique_ptr<PrintJob>(QWidget* window)>;

  ModalPrintJob(const std::vector<QWidget*>& windows, QWidget* window, const Factory& makeJob)
      : disabled_(windows, window), job_(makeJob(window)) {}

  CommonDialog& Dialog() override { return job_->Dialog(); }
  Printer& LinePrinter() override { return job_->LinePrinter(); }

 private:
  // Declared first: the job goes before the windows come back.
  DisabledWindows disabled_;
  std::unique_ptr<PrintJob> job_;
};

}  // namespace korvanel::qt
