#include "platform/null/Runtime.h"

#include "platform/null/FileSaver.h"
#include "platform/null/Form.h"
#include "platform/null/PrintJob.h"

namespace korvanel::null {

NullRuntime::NullRuntime(PrintJobFactory makePrintJob, FileSaverFactory makeFileSaver)
    : WindowRuntime(std::move(makePrintJob), std::move(makeFileSaver)) {}

NullForm* NullRuntime::Loaded(std::string_view name) const {
  for (const auto& form : LoadedForms()) {
    if (auto& loaded = static_cast<NullForm&>(*form); loaded.Name() == name) return &loaded;
  }
  return nullptr;
}

std::unique_ptr<Form> NullRuntime::MakeForm(Window& window) {
  return std::make_unique<NullForm>(*this, window);
}

std::unique_ptr<PrintJob> NullRuntime::DefaultPrintJob(Form&) { return MakeNoPrintJob(); }

std::unique_ptr<FileSaver> NullRuntime::DefaultFileSaver(Form&) {
  return std::make_unique<CancelledSaver>();
}

void NullRuntime::ShowMessage(Form* owner, std::string_view text) {
  auto& told = owner != nullptr ? static_cast<NullForm&>(*owner).messages : messages;
  told.emplace_back(text);
}

}  // namespace korvanel::null
