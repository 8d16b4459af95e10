#include "ui/main/mMain.h"

#include <memory>
#include <string>

#include "core/FretList.h"
#include "core/NumberReading.h"
#include "report/FretReport.h"
#include "ui/info/mAbout.h"
#include "ui/info/mTension.h"
#include "ui/main/mMainDesign.h"
#include "ui/template/mTemplate.h"

namespace korvanel {

namespace {

constexpr int kShortestLength = 600;
constexpr int kLongestLength = 670;
constexpr int kLengthStep = 5;

}  // namespace

mMain::mMain(WindowRuntime& runtime) : Window(runtime, design::kMain) {}

// Out of line: the information windows are complete types only here.
mMain::~mMain() = default;

void mMain::Click(std::string_view control) {
  static constexpr ClickHandler<mMain> kHandlers[] = {
      {"btnCompute", &mMain::btnCompute_Click},   {"mnuPrint", &mMain::mnuPrint_Click},
      {"mnuTemplate", &mMain::mnuTemplate_Click}, {"mnuExit", &mMain::mnuExit_Click},
      {"mnuTension", &mMain::mnuTension_Click},   {"mnuAbout", &mMain::mnuAbout_Click},
  };
  HandleClick<mMain>(*this, kHandlers, control);
}

void mMain::Form_Load() {
  FillLengthList();
  LoadedForm().ComboBoxNamed("cmbLength").SetText("650");
}

void mMain::btnCompute_Click() {
  const NumberReading length = ReadNumber(LoadedForm().ComboBoxNamed("cmbLength").Text());
  if (length.overflow) {
    LoadedForm().ShowMessage("The scale length is too large.");
    return;
  }
  table_.ScaleLength = length.value;
  ComputeFrets();
  FillFretList();
}

void mMain::mnuPrint_Click() {
  const std::unique_ptr<PrintJob> job = LoadedForm().MakePrintJob();
  PrintFretTable(*job);
  // Whatever the report met, its document is ended; a printer that cannot
  // end it is the one failure of printing that reaches the user.
  job->LinePrinter().EndDoc();
}

void mMain::mnuTemplate_Click() {
  if (!template_) template_ = std::make_unique<mTemplate>(Runtime());
  // Taken when the window is loaded, not when it is only brought forward.
  template_->StartAt(table_.ScaleLength);
  template_->Show();
}

void mMain::mnuExit_Click() {
  Unload();
  Runtime().End();
}

void mMain::mnuTension_Click() {
  if (!tension_) tension_ = std::make_unique<mTension>(Runtime());
  tension_->Show();
}

void mMain::mnuAbout_Click() {
  if (!about_) about_ = std::make_unique<mAbout>(Runtime());
  about_->Show();
}

void mMain::FillLengthList() {
  ComboBox& cmbLength = LoadedForm().ComboBoxNamed("cmbLength");
  for (int length = kShortestLength; length <= kLongestLength; length += kLengthStep) {
    cmbLength.AddItem(std::to_string(length));
  }
}

void mMain::ComputeFrets() { korvanel::ComputeFrets(table_); }

void mMain::FillFretList() { korvanel::FillFretList(table_, LoadedForm().ListNamed("lst")); }

void mMain::PrintFretTable(PrintJob& job) {
  korvanel::PrintFretTable(table_, Runtime().DecimalSeparator(), job.Dialog(), job.LinePrinter());
}

}  // namespace korvanel
