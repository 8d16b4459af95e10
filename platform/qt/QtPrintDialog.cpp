#include "platform/qt/QtPrintDialog.h"

#include <QDialog>

#include "platform/ControlError.h"

namespace korvanel::qt {

QtPrintDialog::QtPrintDialog(QPrinter& printer, QWidget* parent) : dialog_(&printer, parent) {}

void QtPrintDialog::SetPrintToFileOffered(bool offered) {
  dialog_.setOption(QAbstractPrintDialog::PrintToFile, offered);
}

void QtPrintDialog::ShowPrinter() {
  // Its parent window is disabled while the print command runs; a window of
  // its own, the dialog stays usable all the same.
  dialog_.setEnabled(true);
  if (dialog_.exec() != QDialog::Accepted) throw ControlError("Printing was cancelled.");
}

}  // namespace korvanel::qt
