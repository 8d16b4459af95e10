#pragma once

#include <memory>
#include <string_view>

#include "core/FretTable.h"
#include "platform/Runtime.h"

namespace korvanel {

class mAbout;
class mTemplate;
class mTension;

// The start-up window: the scale lengths, "Compute", the fret list and the
// menus. It owns the fret table and the single instances of the fret
// template and the information windows, which outlive the main window's
// unload. The
// arithmetic and the row texts belong to the core; this window only reads
// the typed length and shows the core's results.
class mMain : public Window {
 public:
  explicit mMain(WindowRuntime& runtime);
  ~mMain() override;

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  void btnCompute_Click();
  void mnuPrint_Click();
  void mnuTemplate_Click();
  void mnuExit_Click();
  void mnuTension_Click();
  void mnuAbout_Click();

  void FillLengthList();
  void ComputeFrets();
  void FillFretList();
  void PrintFretTable(PrintJob& job);

  FretTable table_;
  std::unique_ptr<mTemplate> template_;
  std::unique_ptr<mTension> tension_;
  std::unique_ptr<mAbout> about_;
};

}  // namespace korvanel
