#pragma once

// A window runtime without a display: each loaded window is a FakeForm whose
// combo boxes and lists keep what the handlers put in them, so the windows'
// handlers can be driven and read back directly.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Forms.h"
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

class FakeForm : public Form {
 public:
  using JobFactory = std::function<std::unique_ptr<PrintJob>()>;

  FakeForm(const WindowDesign& design, JobFactory makeJob) : makeJob_(std::move(makeJob)) {
    for (const ControlDesign& control : design.controls) {
      if (control.kind == ControlKind::ComboBox) combos[std::string(control.name)];
      if (control.kind == ControlKind::List) lists[std::string(control.name)];
    }
  }

  ComboBox& ComboBoxNamed(std::string_view name) override { return combos.at(std::string(name)); }
  ListControl& ListNamed(std::string_view name) override { return lists.at(std::string(name)); }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  std::unique_ptr<PrintJob> MakePrintJob() override { return makeJob_(); }

  std::map<std::string, FakeComboBox> combos;
  std::map<std::string, RecordingList> lists;
  std::vector<std::string> messages;

 private:
  JobFactory makeJob_;
};

class FakeRuntime : public WindowRuntime {
 public:
  void Show(const WindowDesign& design, FormEvents& events) override {
    ++shows[std::string(design.name)];
    if (events.IsLoaded()) return;
    auto& form = loaded_[&events];
    form = std::make_unique<FakeForm>(design, makeJob);
    names_[&events] = std::string(design.name);
    ++loads[std::string(design.name)];
    events.SetLoadedForm(form.get());
    events.Form_Load();
  }

  void Unload(FormEvents& events) noexcept override {
    events.SetLoadedForm(nullptr);
    loaded_.erase(&events);
    names_.erase(&events);
  }

  void End() override {
    ended = true;
    while (!loaded_.empty()) Unload(*loaded_.begin()->first);
  }

  std::string DecimalSeparator() const override { return decimalSeparator; }

  // The loaded window of that design name, or null.
  FakeForm* Loaded(std::string_view name) const {
    for (const auto& [events, form] : loaded_) {
      if (names_.at(events) == name) return form.get();
    }
    return nullptr;
  }
  std::size_t LoadedCount() const { return loaded_.size(); }

  std::map<std::string, int> shows;
  std::map<std::string, int> loads;
  bool ended = false;
  std::string decimalSeparator = ".";
  FakeForm::JobFactory makeJob;

 private:
  std::map<FormEvents*, std::unique_ptr<FakeForm>> loaded_;
  std::map<FormEvents*, std::string> names_;
};

}  // namespace korvanel::testing
