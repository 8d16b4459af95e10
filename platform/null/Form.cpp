#include "platform/null/Form.h"

#include <string>

#include "platform/ControlError.h"

namespace korvanel::null {

NullForm::NullForm(WindowRuntime& runtime, Window& window)
    : Form(runtime, window),
      name_(window.Design().name),
      caption_(window.Design().caption),
      clientArea_(PixelPlace(0, 0, window.Design().clientWidth, window.Design().clientHeight)) {
  MakeControls(window.Design(), *this);
}

NullComboBox& NullForm::ComboBoxOf(std::string_view name) {
  const auto found = combos_.find(name);
  if (found == combos_.end()) throw ControlError("No combo box " + std::string(name) + ".");
  return found->second;
}

NullReportList& NullForm::ListOf(std::string_view name) {
  const auto found = lists_.find(name);
  if (found == lists_.end()) throw ControlError("No list " + std::string(name) + ".");
  return found->second;
}

NullTextBox& NullForm::TextBoxOf(std::string_view name) {
  const auto found = textBoxes_.find(name);
  if (found == textBoxes_.end()) throw ControlError("No text box " + std::string(name) + ".");
  return found->second;
}

NullDrawing& NullForm::DrawingOf(std::string_view name) {
  const auto found = drawings_.find(name);
  if (found == drawings_.end()) throw ControlError("No drawing " + std::string(name) + ".");
  return found->second;
}

const NullControl* NullForm::ControlNamed(std::string_view name) const {
  for (const NullControl& control : controls_) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

std::string NullForm::Focused() const { return focused_ ? controls_[*focused_].name : ""; }

void NullForm::Pick(std::string_view dropDownList, std::size_t entry) {
  ComboBoxOf(dropDownList).Pick(entry);
  Changed(dropDownList);
}

void NullForm::Focus(std::string_view control) {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].name == control) FocusAt(i);
  }
}

void NullForm::PressEnter() {
  const bool onButton = focused_ && controls_[*focused_].kind == ControlKind::Button;
  const auto button = focus_.EnterClicks(onButton ? focused_ : std::nullopt);
  if (button) Click(controls_[*button].name);
}

void NullForm::PressTab(bool backwards) {
  const auto at = focus_.PositionOf([this](std::size_t control) { return focused_ == control; });
  FocusAt(focus_.Next(at, backwards ? -1 : 1, [](std::size_t) { return true; }));
}

void NullForm::ShowCentred() {
  shown_ = true;
  const auto order = focus_.TabOrder();
  if (!order.empty()) FocusAt(order.front());
}

void NullForm::Close() noexcept {
  shown_ = false;
  Closed();
}

void NullForm::Activate() {
  active = true;
  FocusAt(focus_.Restored([](std::size_t) { return true; }));
}

std::size_t NullForm::MakeMenu(const MenuDesign& menu) {
  menus_.push_back({std::string(menu.text), {}});
  return menus_.size() - 1;
}

void NullForm::MakeMenuItem(std::size_t menu, const MenuItemDesign& item) {
  menus_[menu].items.emplace_back(item.text);
}

void NullForm::MakeSeparator(std::size_t menu, const MenuItemDesign& item) {
  menus_[menu].items.emplace_back(item.text);
}

std::size_t NullForm::MakeButton(const ControlDesign& button) {
  const std::size_t made = Made(button);
  if (button.isDefault) focus_.SetDefaultButton(made);
  return made;
}

std::size_t NullForm::MakeComboBox(const ControlDesign& box) {
  Register(box.name, combos_[std::string(box.name)]);
  return Made(box);
}

std::size_t NullForm::MakeList(const ControlDesign& list) {
  Register(list.name, lists_[std::string(list.name)]);
  return Made(list);
}

std::size_t NullForm::MakeTextBox(const ControlDesign& box) {
  Register(box.name, textBoxes_[std::string(box.name)]);
  return Made(box);
}

std::size_t NullForm::MakeDrawing(const ControlDesign& drawing) {
  Register(drawing.name, drawings_[std::string(drawing.name)]);
  return Made(drawing);
}

std::size_t NullForm::Made(const ControlDesign& design) {
  NullControl& made = controls_.emplace_back(MakeControl(design));
  if (design.kind == ControlKind::Label) {
    Register(design.name, labels_.emplace(std::string(design.name), made.text).first->second);
  }
  return controls_.size() - 1;
}

void NullForm::FocusAt(std::optional<std::size_t> control) {
  focused_ = control;
  if (control) focus_.Remember(*control);
}

}  // namespace korvanel::null
