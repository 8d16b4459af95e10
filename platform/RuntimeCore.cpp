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

// The print job of one print command, with the loaded windows disabled from
// before the job is made until after it is gone, so that nothing reaches them
// while the command runs its own event loops (the print dialog, a file-name
// prompt, a slow driver). At its end those it disabled and still loaded come
// back, and the window active at its start is activated again: a dialog
// ending over a disabled owner hands the activation elsewhere.
class ModalPrintJob : public PrintJob {
 public:
  ModalPrintJob(const FormRuntime& runtime, RuntimeForm& over,
                const FormRuntime::PrintJobFactory& makeJob)
      : runtime_(runtime), active_(over.IsActive() ? &over : nullptr) {
    for (const auto& form : runtime.LoadedForms()) {
      if (!form->IsEnabled()) continue;
      form->SetEnabled(false);
      disabled_.push_back(form.get());
    }
    job_ = makeJob(over);
  }

  ~ModalPrintJob() override {
    job_.reset();
    for (RuntimeForm* form : disabled_) {
      if (IsLoaded(form)) form->SetEnabled(true);
    }
    if (IsLoaded(active_) && active_->IsEnabled()) active_->Activate();
  }

  CommonDialog& Dialog() override { return job_->Dialog(); }
  Printer& LinePrinter() override { return job_->LinePrinter(); }

 private:
  bool IsLoaded(const RuntimeForm* form) const {
    return form != nullptr && runtime_.FormOf(form->Events()) == form;
  }

  const FormRuntime& runtime_;
  std::vector<RuntimeForm*> disabled_;
  RuntimeForm* active_;
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
  const auto loaded = std::move(loaded_);
  const auto unloaded = std::move(unloaded_);
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
  // Out of the record first: their destructors find nothing to forget.
  const auto doomed = std::move(unloaded_);
}

void FormRuntime::Forget(RuntimeForm& form) noexcept {
  if (FormOf(form.Events()) == &form) form.Events().SetLoadedForm(nullptr);
  for (auto* forms : {&loaded_, &unloaded_}) static_cast<void>(TakeOut(*forms, form).release());
}

}  // namespace korvanel
