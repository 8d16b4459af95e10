#include "platform/qt/QtPrintDialog.h"

#include <QDialog>

#include "platform/ControlError.h"

namespace korvanel::qt {

QtPrintDialog::QtPrintDialog(QPrinter& printer, QWidget* parent) : dialog_(&printer, parent) {}

void QtPrintDialog::SetPrintToFileOffered(bool offered) {
  dialog_.setOption(QAbstractPrintDialog::PrintToFile, offered);
}

void QtPrintDialog::ShowPrinter() {
  if (dialog_.exec() != QDialog::Accepted) throw ControlError("Printing was cancelled.");
}

}  // namespace korvanel::qt
