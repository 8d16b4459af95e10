#pragma once

#include <QPrintDialog>

#include "platform/CommonDialog.h"
#include "platform/PrintJob.h"
#include "platform/qt/Printer.h"

class QPrinter;
class QWidget;

namespace korvanel::qt {

// Gives `device` the program's page margins: without them a PDF page is
// printed to within a few points of its edge. A printer that cannot print
// that close to its edge keeps its own margins.
void SetPrintMargins(QPrinter& device);

// Names the documents of `device` and gives it the program's margins; done
// once for the printer the run keeps, before its first dialog reads them
// (the dialog proposes the name for printing to a file).
void PrepareReportDevice(QPrinter& device);

// The printer dialog of Qt behind the program's common dialog, modal over
// `parent`. Confirming it sets up the printer's device; cancelling it is a
// ControlError.
class QtPrintDialog : public CommonDialog {
 public:
  QtPrintDialog(QtPrinter& printer, QWidget* parent) : dialog_(&printer.Device(), parent) {}

  void SetPrintToFileOffered(bool offered) override;
  void ShowPrinter() override;

  QPrintDialog& Dialog() { return dialog_; }

 private:
  QPrintDialog dialog_;
};

// Everything one File > Print needs: made from the printer device the run
// keeps and the window the dialog is modal over, one per print command, so
// that each dialog opens on the printer and settings confirmed last.
using QtPrintJob = PrintJobOf<QtPrinter, QtPrintDialog>;

}  // namespace korvanel::qt
