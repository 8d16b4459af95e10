#pragma once

#include <QPrinter>

#include "platform/PrintJob.h"
#include "platform/qt/QtPrintDialog.h"
#include "platform/qt/QtPrinter.h"

class QWidget;

namespace korvanel::qt {

// Gives `device` page margins of 15 mm: without them a PDF page is printed
// to within a few points of its edge. A printer that cannot print that close
// to its edge keeps its own margins.
void SetPrintMargins(QPrinter& device);

// Everything one File > Print needs: the printer device, the dialog that
// sets it up and the line printer that draws on it. Make one per print
// command; the dialog is modal over `parent`.
class QtPrintJob : public PrintJob {
 public:
  explicit QtPrintJob(QWidget* parent);

  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }
  QPrinter& Device() { return device_; }

 private:
  // Declared first: the dialog and the line printer refer to it.
  QPrinter device_{QPrinter::HighResolution};
  QtPrintDialog dialog_;
  QtPrinter printer_;
};

}  // namespace korvanel::qt
