// The user on the null runtime: each window's record read and acted on
// directly, by design names.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/null/Form.h"
#include "platform/null/Runtime.h"
#include "tests/desktop/Desktop.h"
#include "tests/desktop/KeptFiles.h"

namespace korvanel::test {
namespace {

class NullDesktop : public Desktop {
 public:
  explicit NullDesktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob), kept_.Savers()) {}

  WindowRuntime& Runtime() override { return runtime_; }

  void Click(std::string_view window, std::string_view control) override {
    if (auto* form = FormShown(window)) form->ClickOn(control);
  }
  void Type(std::string_view window, std::string_view box, std::string_view text) override {
    auto* form = FormShown(window);
    if (form == nullptr) return;
    if (KindOf(*form, box) == ControlKind::TextBox) {
      form->TextBoxOf(box).text = text;
    } else {
      form->ComboBoxOf(box).text = text;
    }
  }
  void Pick(std::string_view window, std::string_view comboBox, int entry) override {
    auto* form = FormShown(window);
    if (form == nullptr) return;
    if (KindOf(*form, comboBox) == ControlKind::DropDownList) {
      form->Pick(comboBox, static_cast<std::size_t>(entry));
    } else {
      form->ComboBoxOf(comboBox).Pick(static_cast<std::size_t>(entry));
    }
  }
  void PressEnter(std::string_view window, std::string_view control) override {
    if (auto* form = FormShown(window)) {
      form->FocusOn(control);
      form->PressEnter();
    }
  }
  void PressTab(std::string_view window, bool backwards) override {
    if (auto* form = FormShown(window)) form->PressTab(backwards);
  }
  void CloseBox(std::string_view window) override {
    if (auto* form = FormShown(window)) form->CloseBox();
  }
  void Settle() override {
    for (const auto& form : runtime_.LoadedForms()) {
      auto& told = static_cast<null::NullForm&>(*form).messages;
      messages_.insert(messages_.end(), told.begin(), told.end());
      told.clear();
    }
    messages_.insert(messages_.end(), runtime_.messages.begin(), runtime_.messages.end());
    runtime_.messages.clear();
    runtime_.Settle();
  }

  int Shown(std::string_view window) const override { return FormShown(window) != nullptr ? 1 : 0; }
  std::string Caption(std::string_view window) const override {
    return FormShown(window) != nullptr ? FormShown(window)->Caption() : "";
  }
  std::string Text(std::string_view window, std::string_view control) const override {
    auto* form = FormShown(window);
    if (form == nullptr) return "";
    switch (KindOf(*form, control)) {
      case ControlKind::ComboBox:
      case ControlKind::DropDownList:
        return form->ComboBoxOf(control).text;
      case ControlKind::TextBox:
        return form->TextBoxOf(control).text;
      default:
        return form->ControlNamed(control)->text;
    }
  }
  std::vector<std::vector<std::string>> Rows(std::string_view window,
                                             std::string_view list) const override {
    std::vector<std::vector<std::string>> rows;
    if (auto* form = FormShown(window)) {
      for (const auto& row : form->ListOf(list).rows) rows.push_back({row[0], row[1], row[2]});
    }
    return rows;
  }
  std::vector<std::string> Entries(std::string_view window,
                                   std::string_view comboBox) const override {
    auto* form = FormShown(window);
    return form != nullptr ? form->ComboBoxOf(comboBox).entries : std::vector<std::string>{};
  }
  int CurrentEntry(std::string_view window, std::string_view comboBox) const override {
    auto* form = FormShown(window);
    if (form == nullptr) return -1;
    const auto current = form->ComboBoxOf(comboBox).current;
    return current ? static_cast<int>(*current) : -1;
  }
  std::string Focused(std::string_view window) const override {
    auto* form = FormShown(window);
    return form != nullptr ? form->Focused() : "";
  }
  std::vector<std::string> Messages() override { return std::exchange(messages_, {}); }
  bool Ended() const override { return runtime_.HasEnded(); }
  std::string DrawingName(std::string_view window, std::string_view drawing) const override {
    auto* form = FormShown(window);
    return form != nullptr ? form->DrawingOf(drawing).description : "";
  }
  int DrawnLines(std::string_view window, std::string_view drawing) const override {
    auto* form = FormShown(window);
    return form != nullptr ? static_cast<int>(form->DrawingOf(drawing).picture.lines.size()) : 0;
  }
  void AnswerSaves(std::optional<std::string> fileName) override {
    kept_.Answer(std::move(fileName));
  }
  std::optional<std::string> Saved(const std::string& fileName) const override {
    return kept_.Saved(fileName);
  }

  int Dpi(std::string_view) const override { return kStandardDpi; }
  PixelBox ClientArea(std::string_view window) const override {
    auto* form = FormShown(window);
    return form != nullptr ? form->ClientArea() : PixelBox{};
  }
  PixelBox Place(std::string_view window, std::string_view control) const override {
    auto* form = FormShown(window);
    const null::NullControl* made = form != nullptr ? form->ControlNamed(control) : nullptr;
    return made != nullptr ? made->place : PixelBox{};
  }
  std::vector<Point> Ends(std::string_view window, std::string_view line) const override {
    if (auto* form = FormShown(window)) {
      for (const null::NullLine& drawn : form->Lines()) {
        if (drawn.name == line) return {{drawn.x1, drawn.y1}, {drawn.x2, drawn.y2}};
      }
    }
    return {};
  }
  std::vector<Column> Columns(std::string_view window, std::string_view list) const override {
    std::vector<Column> columns;
    auto* form = FormShown(window);
    const null::NullControl* made = form != nullptr ? form->ControlNamed(list) : nullptr;
    if (made != nullptr) {
      for (const auto& [header, width] : made->columns) columns.push_back({header, width});
    }
    return columns;
  }
  std::vector<Menu> Menus(std::string_view window) const override {
    std::vector<Menu> menus;
    if (auto* form = FormShown(window)) {
      for (const null::NullMenu& menu : form->Menus()) menus.push_back({menu.text, menu.items});
    }
    return menus;
  }

  std::map<std::string, long> Resources() const override {
    return {{"forms", static_cast<long>(runtime_.LoadedForms().size())}};
  }

 private:
  static ControlKind KindOf(const null::NullForm& form, std::string_view control) {
    const null::NullControl* made = form.ControlNamed(control);
    return made != nullptr ? made->kind : ControlKind::Label;
  }
  null::NullForm* FormShown(std::string_view window) const {
    null::NullForm* form = runtime_.Loaded(window);
    return form != nullptr && form->IsShown() ? form : nullptr;
  }

  KeptFiles kept_;
  null::NullRuntime runtime_;
  std::vector<std::string> messages_;
};

}  // namespace

std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob) {
  return std::make_unique<NullDesktop>(std::move(makePrintJob));
}

}  // namespace korvanel::test
