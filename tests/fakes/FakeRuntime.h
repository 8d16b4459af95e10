#pragma once

// The runtime's core on a toolkit without a display: each loaded window is a
// FakeForm whose combo boxes and lists keep what the handlers put in them, so
// the windows' handlers can be driven and read back directly.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Runtime.h"
#include "tests/fakes/RecordingList.h"

namespace korvanel::testing {

class FakeComboBox : public ComboBox {
 public:
  void AddItem(std::string_view item) override { items.emplace_back(item); }
  void SetText(std::string_view shown) override {
    text = shown;
    current = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == shown) current = static_cast<int>(i);
    }
  }
  std::string Text() const override { return text; }

  std::vector<std::string> items;
  std::string text;
  int current = -1;
};

// The toolkit side is a record of what the core asked of it.
class FakeForm : public Form {
 public:
  FakeForm(WindowRuntime& runtime, Window& window)
      : Form(runtime, window), name(window.Design().name) {
    for (const ControlDesign& control : window.Design().controls) {
      if (control.kind == ControlKind::ComboBox)
        AddComboBox(control.name, combos[std::string(control.name)]);
      if (control.kind == ControlKind::List)
        AddList(control.name, lists[std::string(control.name)]);
    }
  }
  ~FakeForm() override {
    if (deleted != nullptr) *deleted = true;
  }

  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ClickOn(std::string_view control) { Click(control); }

  std::string name;
  std::map<std::string, FakeComboBox, std::less<>> combos;
  std::map<std::string, RecordingList, std::less<>> lists;
  std::vector<std::string> messages;
  bool shown = false;
  int broughtForward = 0;
  bool enabled = true;
  bool active = false;
  bool* deleted = nullptr;

 private:
  void ShowCentred() override { shown = true; }
  void BringForward() override { ++broughtForward; }
  void Close() noexcept override { Unloaded(); }
  bool IsEnabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  bool IsActive() const override { return active; }
  void Activate() override { active = true; }
  void ShowError(const char* what) noexcept override { messages.emplace_back(what); }
};

class FakeRuntime : public WindowRuntime {
 public:
  int Run() override { return exitCode; }
  std::string DecimalSeparator() const override { return decimalSeparator; }

  // The loaded window of that design name, or null.
  FakeForm* Loaded(std::string_view name) const {
    for (const auto& form : LoadedForms()) {
      if (auto& fake = static_cast<FakeForm&>(*form); fake.name == name) return &fake;
    }
    return nullptr;
  }
  std::size_t LoadedCount() const { return LoadedForms().size(); }
  void DeleteUnloadedForms() { DeleteUnloaded(); }

  std::map<std::string, int> loads;
  bool ended = false;
  int exitCode = 0;
  std::string decimalSeparator = ".";
  // The print jobs of the print commands.
  PrintJobFactory makeJob;
  // What Start told the user when the first window could not be shown.
  std::vector<std::string> startErrors;
  // Throws when the window of that design name is made.
  std::string failingWindow;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override {
    const std::string name(window.Design().name);
    if (name == failingWindow) throw ControlError("The window " + name + " could not be made.");
    ++loads[name];
    return std::make_unique<FakeForm>(*this, window);
  }
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override {
    if (!makeJob) throw ControlError("No printer has been chosen.");
    return makeJob(over);
  }
  void Quit() override { ended = true; }
  void ShowError(const char* what) noexcept override { startErrors.emplace_back(what); }
};

}  // namespace korvanel::testing
