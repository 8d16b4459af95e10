#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ControlMaker.h"
#include "platform/Runtime.h"
#include "platform/WindowDesign.h"
#include "platform/win32/ComboBox.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Keyboard.h"
#include "platform/win32/Layout.h"
#include "platform/win32/MenuBar.h"
#include "platform/win32/ReportList.h"
#include "platform/win32/ScreenReader.h"

namespace korvanel::win32 {

class Win32Runtime;

// A loaded window, built from its design: a sizable top-level window
// (WS_OVERLAPPEDWINDOW) without owner, its client area the design's size in
// pixels at the window's DPI below the menu bar, the controls as child
// windows at their design places in design order (a later one above an
// earlier one), the lines above them all (Layout.h). Nothing moves when the
// window is resized. A label that names a control (labelFor) lies just above
// it, where screen readers look for a name. The keyboard works as in a
// dialog (Keyboard.h).
class Win32Form : public Form, private ControlMaker<HWND, HMENU> {
 public:
  // Builds the window hidden. Fails with ControlError.
  Win32Form(Win32Runtime& runtime, Window& window);
  ~Win32Form() override;

  // Null once the window is destroyed.
  HWND Handle() const { return handle_; }
  // The child window of the control or line of that design name, or null;
  // the design name of a child window, or empty.
  HWND ControlNamed(std::string_view name) const;
  std::string_view NameOf(HWND control) const;
  DialogKeyboard& Keyboard() { return keyboard_; }

 private:
  // Centres the window on its monitor, shows it and puts the focus on the
  // first control in tab order.
  void ShowCentred() override;
  void BringForward() override;
  void Close() noexcept override { DestroyWindow(handle_); }
  bool IsEnabled() const override { return IsWindowEnabled(handle_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(handle_, enabled ? TRUE : FALSE); }
  bool IsActive() const override { return GetForegroundWindow() == handle_; }
  void Activate() override;
  void Focus(std::string_view control) override;

  HMENU MakeMenu(const MenuDesign& menu) override;
  void MakeMenuItem(HMENU menu, const MenuItemDesign& item) override;
  void MakeSeparator(HMENU menu, const MenuItemDesign& item) override;
  HWND MakeLabel(const ControlDesign& label) override;
  HWND MakeButton(const ControlDesign& button) override;
  HWND MakeComboBox(const ControlDesign& box) override;
  HWND MakeCombo(const ControlDesign& box, bool editable);
  HWND MakeList(const ControlDesign& list) override;
  HWND MakeDropDownList(const ControlDesign& box) override;
  HWND MakeTextBox(const ControlDesign& box) override;
  HWND MakeDrawing(const ControlDesign& drawing) override;
  std::vector<HWND> DrawingHandles() const;
  void MakeLine(const LineDesign& line) override;
  // Lays `label` just above `named` among their siblings, where screen
  // readers look for a name (GetWindow with GW_HWNDPREV), the order a
  // dialog template gives.
  void NameByLabel(HWND label, HWND named) override;
  void SetTabOrder(std::span<HWND const> order) override { keyboard_.SetTabOrder(order); }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  // A change of the system's colours or settings (high contrast).
  void OnSystemChange(UINT message, WPARAM wParam, LPARAM lParam);
  bool HighContrast();

  void Create();
  // A label or button that moves and takes its font as the layout says.
  HWND Placed(const ControlDesign& design, HWND control);
  int AddCommand(std::string_view name);
  // The outer size of the window whose client area is the design's at `dpi`.
  SIZE WindowSizeAt(int dpi) const;
  void OnDpiChanged(int dpi, const RECT& suggested);

  const WindowDesign design_;
  // Declared before the window's controls: they show its fonts until they
  // are destroyed.
  DpiLayout layout_;
  DialogKeyboard keyboard_;
  // Asked for at the first label that needs it, again after a change.
  std::optional<bool> highContrast_;
  // Made before the window, which takes it over when it is made.
  UniqueMenu menuBar_;
  HWND handle_ = nullptr;

  std::map<int, std::string> commands_;
  std::map<HWND, std::optional<Rgb>> labels_;
  std::vector<HWND> buttons_;
  std::vector<std::unique_ptr<ComboBoxControl>> combos_;
  std::vector<HWND> dropDownLists_;
  std::vector<std::unique_ptr<LabelControl>> labelControls_;
  std::vector<std::unique_ptr<TextBoxControl>> textBoxes_;
  std::vector<std::unique_ptr<DrawingWindow>> drawings_;
  std::vector<std::unique_ptr<ReportList>> lists_;
  std::vector<HWND> lines_;
  ScreenReaderAnnotations annotations_;
};

}  // namespace korvanel::win32
