#pragma once

#include <QPrintDialog>
#include <QPrinter>

#include "platform/CommonDialog.h"
#include "platform/PrintJob.h"
#include "platform/qt/QtPrinter.h"

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

// The printer dialog of Qt behind the program's common dialog. Confirming
// it sets up `printer`; cancelling it is a ControlError.
class QtPrintDialog : public CommonDialog {
 public:
  QtPrintDialog(QPrinter& printer, QWidget* parent) : dialog_(&printer, parent) {}

  void SetPrintToFileOffered(bool offered) override;
  void ShowPrinter() override;

  QPrintDialog& Dialog() { return dialog_; }

 private:
  QPrintDialog dialog_;
};

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

}  // namespace korvanel::qt
