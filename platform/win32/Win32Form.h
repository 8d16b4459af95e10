#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/ControlMaker.h"
#include "platform/Runtime.h"
#include "platform/WindowDesign.h"
#include "platform/win32/ComboBox.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/ListView.h"
#include "platform/win32/Menus.h"
#include "platform/win32/ScreenReader.h"

namespace korvanel::win32 {

class Win32Runtime;

// A loaded window, built from its design: a sizable top-level window
// (WS_OVERLAPPEDWINDOW) without owner, its client area the design's size in
// pixels at the window's DPI below the menu bar, the controls as child
// windows at their design places in design order (a later one above an
// earlier one), the lines above them all. Nothing moves when the window is
// resized; when the window's DPI changes (WM_DPICHANGED: it went to a
// monitor of another scale, or the scale changed), fonts, controls, list
// columns and lines are laid out again from the design at the new DPI. A
// label that names a control (labelFor) lies just above it, where screen
// readers look for a name. The window behaves like a dialog for the keyboard
// (with the runtime's message loop): Tab follows the design's tab order and
// shows the focus rectangle, Enter clicks the focused button, else the
// default one.
class Win32Form : public Form, private ControlMaker<HWND, HMENU> {
 public:
  // Builds the window hidden. Fails with ControlError.
  Win32Form(Win32Runtime& runtime, Window& window);
  ~Win32Form() override;

  void ShowMessage(std::string_view text) override;

  // Null once the window is destroyed.
  HWND Handle() const { return window_; }

  // Moves the focus along the tab order for a Tab key `message` meant for
  // this window; false when the message is something else or the focused
  // control wants the key itself.
  bool HandleTab(const MSG& message);

 private:
  // Centres the window on its monitor, shows it and puts the focus on the
  // first control in tab order.
  void ShowCentred() override;
  void BringForward() override;
  void Close() noexcept override { DestroyWindow(window_); }
  bool IsEnabled() const override { return IsWindowEnabled(window_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(window_, enabled ? TRUE : FALSE); }
  bool IsActive() const override { return GetForegroundWindow() == window_; }
  void Activate() override;
  void ShowError(const char* what) noexcept override;

  HMENU MakeMenu(const MenuDesign& menu) override;
  void MakeMenuItem(HMENU menu, const MenuItemDesign& item) override;
  void MakeSeparator(HMENU menu, const MenuItemDesign& item) override;
  HWND MakeLabel(const ControlDesign& label) override;
  HWND MakeButton(const ControlDesign& button) override;
  HWND MakeComboBox(const ControlDesign& box) override;
  HWND MakeList(const ControlDesign& list) override;
  void MakeLine(const LineDesign& line) override;
  // Lays `label` just above `named` among their siblings, where screen
  // readers look for a name (GetWindow with GW_HWNDPREV), the order a
  // dialog template gives.
  void NameByLabel(HWND label, HWND named) override;
  void SetTabOrder(std::span<HWND const> order) override;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnActivate(bool active);
  // A change of the system's colours or settings (high contrast).
  void OnSystemChange(UINT message, WPARAM wParam, LPARAM lParam);
  bool HighContrast();

  void Create();
  // Keeps `control`, made from `design`, for LayOut.
  HWND Made(HWND control);
  int AddCommand(std::string_view name);
  HFONT FontFor(const FontDesign& design);
  // The outer size of the window whose client area is the design's at `dpi`.
  SIZE WindowSizeAt(int dpi) const;
  // Lays the controls and lines out again at `dpi`, in new fonts.
  void LayOut(int dpi);
  void OnDpiChanged(int dpi, const RECT& suggested);

  // The control of the tab order that holds `focus` (itself or inside it).
  std::optional<std::size_t> TabPosition(HWND focus) const;
  void MoveFocus(int step);
  void FocusControl(HWND control);

  const WindowDesign design_;
  int dpi_;
  // Asked for at the first label that needs it, again after a change.
  std::optional<bool> highContrast_;
  // Declared before the window's controls: they show these fonts until
  // they are destroyed. By face, size and DPI: the fonts of each DPI the
  // window has been at stay (a window goes to few monitors), so none is
  // deleted while a control may still show it.
  std::map<std::tuple<std::string, float, int>, UniqueFont> fonts_;
  // Made before the window, which takes it over when it is made.
  UniqueMenu menuBar_;
  HWND window_ = nullptr;

  std::map<int, std::string> commands_;
  std::map<HWND, std::optional<Rgb>> labels_;
  std::vector<HWND> tabOrder_;
  std::vector<HWND> buttons_;
  int defaultButtonId_ = 0;
  HWND lastFocus_ = nullptr;
  std::vector<std::unique_ptr<ComboBoxControl>> combos_;
  std::vector<std::unique_ptr<ListView>> lists_;
  // What LayOut moves: the controls in MakingOrder, the lines in design order.
  std::vector<HWND> controls_;
  std::vector<HWND> lines_;
  DecorationForScreenReaders decoration_;
};

}  // namespace korvanel::win32
