#pragma once

#include "platform/qt/Form.h"

class QPushButton;

namespace korvanel::qt {
class ReportList;
}

namespace korvanel {

// Read-only information window: the formula of a vibrating string's
// frequency, drawn with labels and lines, its units and the six open strings
// of a guitar in standard tuning. It computes nothing.
class mTension : public qt::Form {
 public:
  mTension();

  void Form_Load() override;

 private:
  void BuildFormula();
  void btnOk_Click();
  void FillStringList();

  qt::ReportList* lst = nullptr;
  QPushButton* btnOk = nullptr;
};

}  // namespace korvanel
