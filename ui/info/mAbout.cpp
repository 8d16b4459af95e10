#include "ui/info/mAbout.h"

#include "ui/info/mAboutDesign.h"

namespace korvanel {

mAbout::mAbout(WindowRuntime& runtime) : Window(runtime, design::kAbout) {}

void mAbout::Click(std::string_view control) {
  static constexpr ClickHandler<mAbout> kHandlers[] = {{"btnOK", &mAbout::btnOk_Click}};
  HandleClick<mAbout>(*this, kHandlers, control);
}

void mAbout::btnOk_Click() { Unload(); }

}  // namespace korvanel
