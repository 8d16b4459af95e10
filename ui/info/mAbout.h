#pragma once

#include <string_view>

#include "platform/Runtime.h"

namespace korvanel {

// The program's title and credits; it only closes itself.
class mAbout : public Window {
 public:
  explicit mAbout(WindowRuntime& runtime);

  void Click(std::string_view control) override;

 private:
  void btnOk_Click();
};

}  // namespace korvanel
