#include "platform/RuntimeCore.h"

#include <algorithm>

#include "platform/ControlError.h"

namespace korvanel {

namespace {

// Takes the entry of `form` out of `forms` without deleting it.
std::unique_ptr<RuntimeForm> TakeOut(std::vector<std::unique_ptr<RuntimeForm>>& forms,
                                     const RuntimeForm& form) {
  const auto found = std::find_if(forms.begin(), forms.end(),
                                  [&form](const auto& entry) { return entry.get() == &form; });
  if (found == forms.end()) return nullptr;
  std::unique_ptr<RuntimeForm> taken = std::move(*found);
  forms.erase(found);
  return taken;
}

// Disables the loaded windows while it lives, so that nothing reaches them
// while a command runs its own event loops (the print dialog, a file-name
// prompt, a slow driver). At its end it enables again those it disabled and
// still loaded, and activates `active` again when it was the active window:
// a dialog ending over a disabled owner hands the activation elsewhere.
class DisabledForms {
 public:
  DisabledForms(const FormRuntime& runtime, RuntimeForm& active) : runtime_(runtime) {
    if (active.IsActive()) active_ = &active;
    for (const auto& form : runtime.LoadedForms()) {
      if (!form->IsEnabled()) continue;
      form->SetEnabled(false);
      disabled_.push_back(form.get());
    }
  }

  ~DisabledForms() {
    for (RuntimeForm* form : disabled_) {
      if (IsLoaded(form)) form->SetEnabled(true);
    }
    if (IsLoaded(active_) && active_->IsEnabled()) active_->Activate();
  }

  DisabledForms(const DisabledForms&) = delete;
  DisabledForms& operator=(const DisabledForms&) = delete;

 private:
  bool IsLoaded(const RuntimeForm* form) const {
    return form != nullptr && runtime_.FormOf(form->Events()) == form;
  }

  const FormRuntime& runtime_;
  std::vector<RuntimeForm*> disabled_;
  RuntimeForm* active_ = nullptr;
};

class ModalPrintJob : public PrintJob {
 public:
  ModalPrintJob(const FormRuntime& runtime, RuntimeForm& over,
                const FormRuntime::PrintJobFactory& makeJob)
      : disabled_(runtime, over), job_(makeJob(over)) {}

  CommonDialog& Dialog() override { return job_->Dialog(); }
  Printer& LinePrinter() override { return job_->LinePrinter(); }

 private:
  // Declared first: the job goes before the windows come back.
  DisabledForms disabled_;
  std::unique_ptr<PrintJob> job_;
};

}  // namespace

RuntimeForm::~RuntimeForm() { runtime_.Forget(*this); }

ComboBox& RuntimeForm::ComboBoxNamed(std::string_view name) {
  const auto found = combos_.find(name);
  if (found == combos_.end())
    throw ControlError("The window has no combo box " + std::string(name) + ".");
  return *found->second;
}

ListControl& RuntimeForm::ListNamed(std::string_view name) {
  const auto found = lists_.find(name);
  if (found == lists_.end())
    throw ControlError("The window has no list " + std::string(name) + ".");
  return *found->second;
}

std::unique_ptr<PrintJob> RuntimeForm::MakePrintJob() { return runtime_.MakePrintJob(*this); }

void RuntimeForm::Unloaded() noexcept { runtime_.Unloaded(*this); }

std::vector<std::size_t> TabOrder(const WindowDesign& design) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    if (design.controls[i].kind != ControlKind::Label) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&design](std::size_t a, std::size_t b) {
    return design.controls[a].tabIndex < design.controls[b].tabIndex;
  });
  return order;
}

std::vector<LabelledControl> LabelledControls(const WindowDesign& design) {
  std::vector<LabelledControl> pairs;
  const auto controls = design.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].labelFor.empty()) continue;
    const auto named = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
      return control.name == controls[i].labelFor;
    });
    if (named == controls.end())
      throw ControlError("The window has no control " + std::string(controls[i].labelFor) + ".");
    pairs.push_back({i, static_cast<std::size_t>(named - controls.begin())});
  }
  return pairs;
}

FormRuntime::FormRuntime(PrintJobFactory makePrintJob) : makePrintJob_(std::move(makePrintJob)) {
  if (!makePrintJob_) {
    makePrintJob_ = [this](RuntimeForm& over) { return DefaultPrintJob(over); };
  }
}

FormRuntime::~FormRuntime() {
  // Out of the record first: the forms' destructors find nothing to forget.
  std::vector<std::unique_ptr<RuntimeForm>> loaded = std::move(loaded_);
  std::vector<std::unique_ptr<RuntimeForm>> unloaded = std::move(unloaded_);
  loaded_.clear();
  unloaded_.clear();
  for (const auto& form : loaded) form->Events().SetLoadedForm(nullptr);
}

void FormRuntime::Show(const WindowDesign& design, FormEvents& events) {
  if (FormOf(events) == nullptr) Load(design, events);
  // Its load handler may have unloaded it again.
  if (RuntimeForm* form = FormOf(events)) form->BringForward();
}

void FormRuntime::Load(const WindowDesign& design, FormEvents& events) {
  std::unique_ptr<RuntimeForm> made = MakeForm(design, events);
  RuntimeForm& form = *made;
  loaded_.push_back(std::move(made));
  events.SetLoadedForm(&form);
  form.RunHandler([&events] { events.Form_Load(); });
  if (FormOf(events) == &form) form.ShowCentred();
}

void FormRuntime::Unload(FormEvents& events) noexcept {
  RuntimeForm* form = FormOf(events);
  if (form == nullptr) return;
  form->Close();
  // Closing always unloads; should it not have, the window goes all the same.
  if (FormOf(events) == form) Unloaded(*form);
}

void FormRuntime::End() {
  CloseAll();
  Quit();
}

void FormRuntime::CloseAll() noexcept {
  // Closing changes the record; go by a copy of it.
  std::vector<RuntimeForm*> forms;
  for (const auto& form : loaded_) forms.push_back(form.get());
  for (RuntimeForm* form : forms) {
    if (FormOf(form->Events()) == form) form->Close();
  }
}

RuntimeForm* FormRuntime::FormOf(const FormEvents& events) const {
  for (const auto& form : loaded_) {
    if (&form->Events() == &events) return form.get();
  }
  return nullptr;
}

void FormRuntime::Unloaded(RuntimeForm& form) noexcept {
  std::unique_ptr<RuntimeForm> taken = TakeOut(loaded_, form);
  if (taken == nullptr) return;
  form.Events().SetLoadedForm(nullptr);
  unloaded_.push_back(std::move(taken));
  OnUnloaded(form);
}

std::unique_ptr<PrintJob> FormRuntime::MakePrintJob(RuntimeForm& over) {
  return std::make_unique<ModalPrintJob>(*this, over, makePrintJob_);
}

void FormRuntime::DeleteUnloaded() noexcept {
  if (unloaded_.empty()) return;
  // Out of the record first: their destructors find nothing to forget.
  std::vector<std::unique_ptr<RuntimeForm>> doomed = std::move(unloaded_);
  unloaded_.clear();
}

void FormRuntime::Forget(RuntimeForm& form) noexcept {
  if (std::unique_ptr<RuntimeForm> taken = TakeOut(loaded_, form)) {
    form.Events().SetLoadedForm(nullptr);
    static_cast<void>(taken.release());
    return;
  }
  if (std::unique_ptr<RuntimeForm> taken = TakeOut(unloaded_, form))
    static_cast<void>(taken.release());
}

}  // namespace korvanel
