#pragma once

#include "platform/qt/Form.h"

class QPushButton;

namespace korvanel {

// The program's title and credits; it only closes itself.
class mAbout : public qt::Form {
 public:
  mAbout();

 private:
  void btnOk_Click();

  QPushButton* btnOK = nullptr;
};

}  // namespace korvanel
