#pragma once

#include <QPrintDialog>

#include "platform/CommonDialog.h"

class QPrinter;
class QWidget;

namespace korvanel::qt {

// The printer dialog of Qt behind the program's common dialog. Confirming
// it sets up `printer`; cancelling it is a ControlError.
class QtPrintDialog : public CommonDialog {
 public:
  QtPrintDialog(QPrinter& printer, QWidget* parent);

  void SetPrintToFileOffered(bool offered) override;
  void ShowPrinter() override;

  QPrintDialog& Dialog() { return dialog_; }

 private:
  QPrintDialog dialog_;
};

}  // namespace korvanel::qt
