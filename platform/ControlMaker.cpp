#include "platform/ControlMaker.h"

#include <algorithm>
#include <string>

#include "platform/ControlError.h"

namespace korvanel {

std::vector<std::size_t> MakingOrder(const WindowDesign& design) {
  const std::vector<LabelledControl> pairs = LabelledControls(design);
  const auto namesAControl = [&pairs](std::size_t index) {
    return std::any_of(pairs.begin(), pairs.end(),
                       [index](const LabelledControl& pair) { return pair.label == index; });
  };
  std::vector<std::size_t> order;
  for (std::size_t index = 0; index < design.controls.size(); ++index) {
    if (namesAControl(index)) continue;
    for (const LabelledControl& pair : pairs) {
      if (pair.control == index) order.push_back(pair.label);
    }
    order.push_back(index);
  }
  return order;
}

std::vector<std::size_t> TabOrder(const WindowDesign& design) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlKind kind = design.controls[i].kind;
    if (kind != ControlKind::Label && kind != ControlKind::Drawing) order.push_back(i);
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
    // A label names a control that takes input, never another label.
    const auto named = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
      return control.name == controls[i].labelFor && control.kind != ControlKind::Label;
    });
    if (named == controls.end())
      throw ControlError("The window has no control " + std::string(controls[i].labelFor) + ".");
    pairs.push_back({i, static_cast<std::size_t>(named - controls.begin())});
  }
  return pairs;
}

}  // namespace korvanel
