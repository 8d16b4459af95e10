#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "platform/WindowDesign.h"

namespace korvanel {

// What a window runtime makes of each part of a window design, as the
// toolkit's own handles: `Control` for a control, `Menu` for a menu of the
// menu bar. MakeControls asks for the parts in their order, so that a
// runtime gives only these makers; a runtime that needs the menu bar before
// its window calls MakeMenus and MakeClientControls apart.
template <class Control, class Menu>
class ControlMaker {
 public:
  virtual ~ControlMaker() = default;

  // A menu at the right end of the window's menu bar.
  virtual Menu MakeMenu(const MenuDesign& menu) = 0;
  virtual void MakeMenuItem(Menu menu, const MenuItemDesign& item) = 0;
  virtual void MakeSeparator(Menu menu, const MenuItemDesign& item) = 0;
  // A control the handlers reach (a label, a combo box, a list, a drop-down
  // list box, a text box, a drawing) is also made findable by its name
  // (Form's LabelNamed, ComboBoxNamed, ...).
  virtual Control MakeLabel(const ControlDesign& label) = 0;
  virtual Control MakeButton(const ControlDesign& button) = 0;
  virtual Control MakeComboBox(const ControlDesign& box) = 0;
  virtual Control MakeList(const ControlDesign& list) = 0;
  virtual Control MakeDropDownList(const ControlDesign& box) = 0;
  virtual Control MakeTextBox(const ControlDesign& box) = 0;
  virtual Control MakeDrawing(const ControlDesign& drawing) = 0;
  // Above every control.
  virtual void MakeLine(const LineDesign& line) = 0;
  // `label`, made just before `named`, names it for screen readers.
  virtual void NameByLabel(Control label, Control named) = 0;
  // The controls that take the focus, in the order Tab goes; the first one
  // has the focus when the window opens.
  virtual void SetTabOrder(std::span<const Control> order) = 0;
};

// The positions in `design.controls` in the order the controls are made:
// the design's stacking order, except that a label that names a control
// is made just before that control, as in a dialog template.
std::vector<std::size_t> MakingOrder(const WindowDesign& design);

// The positions in `design.controls` of the controls that take the focus, in
// the design's tab order (equal tab indexes keep their design order).
std::vector<std::size_t> TabOrder(const WindowDesign& design);

// A label that names another control for screen readers, by position in
// `design.controls`. Fails with ControlError when the control is missing.
struct LabelledControl {
  std::size_t label = 0;
  std::size_t control = 0;
};
std::vector<LabelledControl> LabelledControls(const WindowDesign& design);

// Makes the menus of `design` with `maker`, left to right with their items.
template <class Control, class Menu>
void MakeMenus(const WindowDesign& design, ControlMaker<Control, Menu>& maker) {
  for (const MenuDesign& menuDesign : design.menus) {
    Menu menu = maker.MakeMenu(menuDesign);
    for (const MenuItemDesign& item : menuDesign.items) {
      if (item.IsSeparator()) {
        maker.MakeSeparator(menu, item);
      } else {
        maker.MakeMenuItem(menu, item);
      }
    }
  }
}

// Makes the rest of `design` with `maker`: the controls in MakingOrder, the
// labels' names, the lines, then the tab order.
template <class Control, class Menu>
void MakeClientControls(const WindowDesign& design, ControlMaker<Control, Menu>& maker) {
  // By position in the design; a handle need not have an empty value.
  std::vector<std::optional<Control>> made(design.controls.size());
  for (const std::size_t index : MakingOrder(design)) {
    const ControlDesign& control = design.controls[index];
    switch (control.kind) {
      case ControlKind::Label:
        made[index] = maker.MakeLabel(control);
        break;
      case ControlKind::Button:
        made[index] = maker.MakeButton(control);
        break;
      case ControlKind::ComboBox:
        made[index] = maker.MakeComboBox(control);
        break;
      case ControlKind::List:
        made[index] = maker.MakeList(control);
        break;
      case ControlKind::DropDownList:
        made[index] = maker.MakeDropDownList(control);
        break;
      case ControlKind::TextBox:
        made[index] = maker.MakeTextBox(control);
        break;
      case ControlKind::Drawing:
        made[index] = maker.MakeDrawing(control);
        break;
    }
  }
  for (const LabelledControl& pair : LabelledControls(design)) {
    maker.NameByLabel(*made[pair.label], *made[pair.control]);
  }
  for (const LineDesign& line : design.lines) maker.MakeLine(line);

  std::vector<Control> tabOrder;
  for (const std::size_t index : TabOrder(design)) tabOrder.push_back(*made[index]);
  maker.SetTabOrder(tabOrder);
}

// Makes all the parts of `design` with `maker`: MakeMenus, then
// MakeClientControls.
template <class Control, class Menu>
void MakeControls(const WindowDesign& design, ControlMaker<Control, Menu>& maker) {
  MakeMenus(design, maker);
  MakeClientControls(design, maker);
}

}  // namespace korvanel
