#include "platform/Runtime.h"

#include <algorithm>

namespace korvanel {

namespace {

// Takes the entry of `form` out of `forms` without deleting it.
std::unique_ptr<Form> TakeOut(std::vector<std::unique_ptr<Form>>& forms, const Form& form) {
  const auto found = std::find_if(forms.begin(), forms.end(),
                                  [&form](const auto& entry) { return entry.get() == &form; });
  if (found == forms.end()) return nullptr;
  std::unique_ptr<Form> taken = std::move(*found);
  forms.erase(found);
  return taken;
}

}  // namespace

// The loaded windows disabled while it lives, so that nothing reaches them
// while a command runs its own event loops (the print or save dialog, a
// file-name prompt, a slow driver). At its end those it disabled and still
// loaded come back, and the window active at its start is activated again:
// a dialog ending over a disabled owner hands the activation elsewhere.
class InputPause {
 public:
  InputPause(const WindowRuntime& runtime, Form& over)
      : runtime_(runtime), active_(over.IsActive() ? &over : nullptr) {
    for (const auto& form : runtime.LoadedForms()) {
      if (!form->IsEnabled()) continue;
      form->SetEnabled(false);
      disabled_.push_back(form.get());
    }
  }
  ~InputPause() {
    for (Form* form : disabled_) {
      if (IsLoaded(form)) form->SetEnabled(true);
    }
    if (IsLoaded(active_) && active_->IsEnabled()) active_->Activate();
  }

  InputPause(const InputPause&) = delete;
  InputPause& operator=(const InputPause&) = delete;

 private:
  bool IsLoaded(const Form* form) const {
    return form != nullptr && runtime_.FormOf(form->window_) == form;
  }

  const WindowRuntime& runtime_;
  std::vector<Form*> disabled_;
  Form* active_;
};

// The print job of one print command, the windows paused from before the
// job is made until after it is gone.
class PrintCommand : public PrintJob {
 public:
  PrintCommand(const WindowRuntime& runtime, Form& over,
               const WindowRuntime::PrintJobFactory& makeJob)
      : pause_(runtime, over), job_(makeJob(over)) {}

  CommonDialog& Dialog() override { return job_->Dialog(); }
  Printer& LinePrinter() override { return job_->LinePrinter(); }
  PicturePrinter& PagePrinter() override { return job_->PagePrinter(); }

 private:
  InputPause pause_;
  std::unique_ptr<PrintJob> job_;
};

Window::~Window() { runtime_.Unload(*this); }

void Window::Show() { runtime_.Show(*this); }

void Window::Unload() noexcept { runtime_.Unload(*this); }

Form& Window::LoadedForm() const {
  if (form_ == nullptr) throw ControlError("The window is not loaded.");
  return *form_;
}

void ComboBox::AddItem(std::string_view text) {
  AppendEntry(text);
  entries_.emplace_back(text);
}

void ComboBox::RemoveAll() {
  RemoveEntries();
  entries_.clear();
}

void ComboBox::SetText(std::string_view text) {
  const auto found = std::find(entries_.begin(), entries_.end(), text);
  ShowText(text, found == entries_.end() ? std::nullopt
                                         : std::optional<std::size_t>(
                                               static_cast<std::size_t>(found - entries_.begin())));
}

Form::~Form() { runtime_.Forget(*this); }

ComboBox& Form::ComboBoxNamed(std::string_view name) {
  const auto found = combos_.find(name);
  if (found == combos_.end())
    throw ControlError("The window has no combo box " + std::string(name) + ".");
  return *found->second;
}

ListControl& Form::ListNamed(std::string_view name) {
  const auto found = lists_.find(name);
  if (found == lists_.end())
    throw ControlError("The window has no list " + std::string(name) + ".");
  return *found->second;
}

Label& Form::LabelNamed(std::string_view name) {
  const auto found = labels_.find(name);
  if (found == labels_.end())
    throw ControlError("The window has no label " + std::string(name) + ".");
  return *found->second;
}

TextBox& Form::TextBoxNamed(std::string_view name) {
  const auto found = textBoxes_.find(name);
  if (found == textBoxes_.end())
    throw ControlError("The window has no text box " + std::string(name) + ".");
  return *found->second;
}

DrawingControl& Form::DrawingNamed(std::string_view name) {
  const auto found = drawings_.find(name);
  if (found == drawings_.end())
    throw ControlError("The window has no drawing " + std::string(name) + ".");
  return *found->second;
}

void Form::FocusOn(std::string_view control) {
  for (const ControlDesign& design : window_.Design().controls) {
    if (design.name == control) return Focus(control);
  }
  throw ControlError("The window has no control " + std::string(control) + ".");
}

void Form::ShowMessage(std::string_view text) { runtime_.ShowMessage(this, text); }

std::unique_ptr<PrintJob> Form::MakePrintJob() { return runtime_.MakePrintJob(*this); }

bool Form::SaveFile(std::string_view suggestedName, const FileType& type, std::string_view bytes) {
  const InputPause pause(runtime_, *this);
  return runtime_.makeFileSaver_(*this)->Save(suggestedName, type, bytes);
}

void Form::Closed() noexcept { runtime_.MoveToClosed(*this); }

void Form::TellError(const char* what) noexcept { runtime_.TellError(this, what); }

WindowRuntime::WindowRuntime(PrintJobFactory makePrintJob, FileSaverFactory makeFileSaver)
    : makePrintJob_(std::move(makePrintJob)), makeFileSaver_(std::move(makeFileSaver)) {
  if (!makePrintJob_) {
    makePrintJob_ = [this](Form& over) { return DefaultPrintJob(over); };
  }
  if (!makeFileSaver_) {
    makeFileSaver_ = [this](Form& over) { return DefaultFileSaver(over); };
  }
}

WindowRuntime::~WindowRuntime() {
  // Out of the record first: the forms' destructors find nothing to forget.
  const auto loaded = std::move(loaded_);
  const auto closed = std::move(closed_);
  for (const auto& form : loaded) form->window_.form_ = nullptr;
}

int WindowRuntime::Start(Window& first) {
  try {
    Show(first);
  } catch (const std::exception& error) {
    TellError(nullptr, error.what());
    return 1;
  }
  return Run();
}

void WindowRuntime::TellError(Form* owner, const char* what) noexcept {
  try {
    ShowMessage(owner, what);
  } catch (...) {
    // Not even the message could be shown: nothing is left to tell.
  }
}

void WindowRuntime::Show(Window& window) {
  if (FormOf(window) == nullptr) Load(window);
  // Its load handler may have unloaded it again.
  if (Form* form = FormOf(window)) form->BringForward();
}

void WindowRuntime::Load(Window& window) {
  std::unique_ptr<Form> made = MakeForm(window);
  Form& form = *made;
  loaded_.push_back(std::move(made));
  window.form_ = &form;
  form.RunHandler([&window] { window.Form_Load(); });
  if (FormOf(window) == &form) form.ShowCentred();
}

void WindowRuntime::Unload(Window& window) noexcept {
  Form* form = FormOf(window);
  if (form == nullptr) return;
  form->Close();
  // Closing always unloads; should it not have, the window goes all the same.
  if (FormOf(window) == form) MoveToClosed(*form);
}

void WindowRuntime::End() {
  CloseAll();
  Quit();
}

void WindowRuntime::CloseAll() noexcept {
  // Closing changes the record; go by a copy of it.
  std::vector<Form*> forms;
  for (const auto& form : loaded_) forms.push_back(form.get());
  for (Form* form : forms) {
    if (FormOf(form->window_) == form) form->Close();
  }
}

Form* WindowRuntime::FormOf(const Window& window) const {
  for (const auto& form : loaded_) {
    if (&form->window_ == &window) return form.get();
  }
  return nullptr;
}

void WindowRuntime::MoveToClosed(Form& form) noexcept {
  std::unique_ptr<Form> taken = TakeOut(loaded_, form);
  if (taken == nullptr) return;
  form.window_.form_ = nullptr;
  closed_.push_back(std::move(taken));
  if (loaded_.empty()) Quit();
}

std::unique_ptr<PrintJob> WindowRuntime::MakePrintJob(Form& over) {
  return std::make_unique<PrintCommand>(*this, over, makePrintJob_);
}

void WindowRuntime::DeleteClosed() noexcept {
  // Out of the record first: their destructors find nothing to forget.
  const auto doomed = std::move(closed_);
}

void WindowRuntime::Forget(Form& form) noexcept {
  if (FormOf(form.window_) == &form) form.window_.form_ = nullptr;
  for (auto* forms : {&loaded_, &closed_}) static_cast<void>(TakeOut(*forms, form).release());
}

}  // namespace korvanel
