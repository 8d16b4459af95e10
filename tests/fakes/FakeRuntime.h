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

#include "platform/RuntimeCore.h"
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
class FakeForm : public RuntimeForm {
 public:
  FakeForm(FormRuntime& runtime, const WindowDesign& design, FormEvents& events)
      : RuntimeForm(runtime, events), name(design.name) {
    for (const ControlDesign& control : design.controls) {
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
  void ShowCentred() override { shown = true; }
  void BringForward() override { ++broughtForward; }
  void Close() noexcept override { Unloaded(); }
  bool IsEnabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  bool IsActive() const override { return active; }
  void Activate() override { active = true; }
  void ShowError(const char* what) noexcept override { messages.emplace_back(what); }
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
};

class FakeRuntime : public FormRuntime {
 public:
  void Show(const WindowDesign& design, FormEvents& events) override {
    ++shows[std::string(design.name)];
    FormRuntime::Show(design, events);
  }
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

  std::map<std::string, int> shows;
  std::map<std::string, int> loads;
  bool ended = false;
  std::string decimalSeparator = ".";
  std::function<std::unique_ptr<PrintJob>()> makeJob;

 protected:
  std::unique_ptr<RuntimeForm> MakeForm(const WindowDesign& design, FormEvents& events) override {
    ++loads[std::string(design.name)];
    return std::make_unique<FakeForm>(*this, design, events);
  }
  std::unique_ptr<PrintJob> DefaultPrintJob(RuntimeForm&) override { return makeJob(); }
  void OnUnloaded(RuntimeForm&) noexcept override {}
  void Quit() override { ended = true; }
};

}  // namespace korvanel::testing
