#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ControlMaker.h"
#include "platform/FocusMemory.h"
#include "platform/Runtime.h"
#include "platform/null/ComboBox.h"
#include "platform/null/Controls.h"
#include "platform/null/ReportList.h"

namespace korvanel::null {

// A menu of the menu bar: its text and its items' texts ("-" a separator).
struct NullMenu {
  std::string text;
  std::vector<std::string> items;
};

// A loaded window as the null runtime keeps it: its controls by design name,
// in the order they were made, its menus, the focus, and the messages told
// over it. The caller acts as the user through ClickOn, PressEnter, PressTab
// and CloseBox.
class NullForm : public Form, private ControlMaker<std::size_t, std::size_t> {
 public:
  NullForm(WindowRuntime& runtime, Window& window);

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  // The client area in pixels at 96 dpi.
  PixelBox ClientArea() const { return clientArea_; }
  bool IsShown() const { return shown_; }
  int TimesBroughtForward() const { return broughtForward_; }
  NullComboBox& ComboBoxOf(std::string_view name);
  NullReportList& ListOf(std::string_view name);
  NullTextBox& TextBoxOf(std::string_view name);
  NullDrawing& DrawingOf(std::string_view name);
  // The control of that design name, or null.
  const NullControl* ControlNamed(std::string_view name) const;
  std::span<const NullLine> Lines() const { return lines_; }
  std::span<const NullMenu> Menus() const { return menus_; }
  // The design name of the control with the focus; empty for none.
  std::string Focused() const;
  // The texts of the messages told over the window, oldest first.
  std::vector<std::string> messages;

  // What the user does. A click into a control puts the focus there
  // (Form::FocusOn); Pick chooses an entry of a drop-down list box.
  void ClickOn(std::string_view control) { Click(control); }
  void Pick(std::string_view dropDownList, std::size_t entry);
  void PressEnter();
  void PressTab(bool backwards = false);
  void CloseBox() { Close(); }

  // What a print command does to the window.
  bool enabled = true;
  bool active = false;

 private:
  void ShowCentred() override;
  void BringForward() override { ++broughtForward_; }
  void Close() noexcept override;
  bool IsEnabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  bool IsActive() const override { return active; }
  void Activate() override;
  void Focus(std::string_view control) override;

  std::size_t MakeMenu(const MenuDesign& menu) override;
  void MakeMenuItem(std::size_t menu, const MenuItemDesign& item) override;
  void MakeSeparator(std::size_t menu, const MenuItemDesign& item) override;
  std::size_t MakeLabel(const ControlDesign& label) override { return Made(label); }
  std::size_t MakeButton(const ControlDesign& button) override;
  std::size_t MakeComboBox(const ControlDesign& box) override;
  std::size_t MakeList(const ControlDesign& list) override;
  std::size_t MakeDropDownList(const ControlDesign& box) override { return MakeComboBox(box); }
  std::size_t MakeTextBox(const ControlDesign& box) override;
  std::size_t MakeDrawing(const ControlDesign& drawing) override;
  void MakeLine(const LineDesign& line) override { lines_.push_back(null::MakeLine(line)); }
  void NameByLabel(std::size_t, std::size_t) override {}
  void SetTabOrder(std::span<const std::size_t> order) override { focus_.SetTabOrder(order); }

  std::size_t Made(const ControlDesign& design);
  void FocusAt(std::optional<std::size_t> control);

  std::string name_;
  std::string caption_;
  PixelBox clientArea_;
  bool shown_ = false;
  int broughtForward_ = 0;
  // Kept apart: the labels refer to their texts.
  std::deque<NullControl> controls_;
  std::vector<NullLine> lines_;
  std::vector<NullMenu> menus_;
  std::map<std::string, NullComboBox, std::less<>> combos_;
  std::map<std::string, NullReportList, std::less<>> lists_;
  std::map<std::string, NullLabel, std::less<>> labels_;
  std::map<std::string, NullTextBox, std::less<>> textBoxes_;
  std::map<std::string, NullDrawing, std::less<>> drawings_;
  FocusMemory<std::size_t> focus_;
  std::optional<std::size_t> focused_;
};

}  // namespace korvanel::null
