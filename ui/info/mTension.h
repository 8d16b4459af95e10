#pragma once

#include <string_view>

#include "platform/Runtime.h"

namespace korvanel {

// Read-only information window: the formula of a vibrating string's
// frequency, drawn with labels and lines, its units and the six open strings
// of a guitar in standard tuning. It computes nothing.
class mTension : public Window {
 public:
  explicit mTension(WindowRuntime& runtime);

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  void btnOk_Click();
  void FillStringList();
};

}  // namespace korvanel
