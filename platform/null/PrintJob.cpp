#include "platform/null/PrintJob.h"

#include "platform/ControlError.h"

namespace korvanel::null {

namespace {

class NoPrinter : public DevicePrinter {
  Start StartDocument() override { return Start::kNoPrinter; }
  void AddLine(std::size_t, std::optional<std::string_view>) override {}
  void AddPage(std::size_t, const Picture&) override {}
  bool EndDocument() override { return true; }
};

class NoPrintDialog : public CommonDialog {
 public:
  explicit NoPrintDialog(NoPrinter&) {}

  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override { throw Cancelled("There is no printer to print on."); }
};

}  // namespace

std::unique_ptr<PrintJob> MakeNoPrintJob() {
  return std::make_unique<PrintJobOf<NoPrinter, NoPrintDialog>>();
}

}  // namespace korvanel::null
