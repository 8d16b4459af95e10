#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ControlMaker.h"
#include "platform/FocusMemory.h"
#include "platform/Runtime.h"
#include "platform/web/ComboBox.h"
#include "platform/web/Controls.h"
#include "platform/web/Dom.h"
#include "platform/web/Drawing.h"
#include "platform/web/Frame.h"
#include "platform/web/MenuBar.h"
#include "platform/web/ReportList.h"

namespace korvanel::web {

class WebRuntime;

// A control as the page holds it: the element placed at its design
// rectangle, and the one that takes the focus and carries its name (the text
// field of a combo box, the table of a list, else the element itself).
struct WebControl {
  val box;
  val focus;
};

// A loaded window, built from its design in a Frame: the menu bar, when the
// design has one, above a client area of the design's size (15 twips to a
// CSS pixel) that holds the controls at their design places, in their
// design's stacking order, and the lines above them. The focus follows the
// design's tab order; Enter anywhere clicks the default button. Clicks,
// picks and menu commands reach the window's handlers through RunHandler, so
// no error reaches the page.
class WebForm : public Form, private ControlMaker<WebControl, val> {
 public:
  WebForm(WebRuntime& runtime, Window& window);

  const val& Element() const { return frame_.Element(); }
  int Layer() const { return frame_.Layer(); }
  void KeepInPage() { frame_.KeepInPage(); }
  // While a message box is shown, it takes no input.
  void SetBlocked(bool blocked);
  void BringForward() override;
  bool IsActive() const override;
  // The focus goes back to the control that had it last.
  void Activate() override;
  // Whether its design names a print command, and running it.
  bool Prints() const { return !printCommand_.empty(); }
  void Print() { Click(printCommand_); }

 private:
  void ShowCentred() override;
  void Close() noexcept override;
  bool IsEnabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  void Focus(std::string_view control) override;

  val MakeMenu(const MenuDesign& menu) override;
  void MakeMenuItem(val menu, const MenuItemDesign& item) override;
  void MakeSeparator(val menu, const MenuItemDesign& item) override;
  WebControl MakeLabel(const ControlDesign& label) override;
  WebControl MakeButton(const ControlDesign& button) override;
  WebControl MakeComboBox(const ControlDesign& box) override;
  WebControl MakeList(const ControlDesign& list) override;
  WebControl MakeDropDownList(const ControlDesign& box) override;
  WebControl MakeTextBox(const ControlDesign& box) override;
  WebControl MakeDrawing(const ControlDesign& drawing) override;
  void MakeLine(const LineDesign& line) override;
  void NameByLabel(WebControl label, WebControl named) override;
  void SetTabOrder(std::span<const WebControl> order) override;

  // Puts `box` into the client area at its design rectangle and stacking
  // place; `focus` is the element that takes the focus and a label's name.
  WebControl Placed(const val& box, const ControlDesign& design, const val& focus);
  void OnKey(val event);
  void OnPress(val event);
  void RestoreFocus();
  void UpdateInert();

  WebRuntime& runtime_;
  const std::string_view printCommand_;
  Frame frame_;
  std::optional<MenuBar> menus_;
  std::vector<std::unique_ptr<WebComboBox>> combos_;
  std::vector<std::unique_ptr<WebDropDownList>> dropDowns_;
  std::vector<std::unique_ptr<ReportList>> lists_;
  std::vector<std::unique_ptr<WebLabel>> labels_;
  std::vector<std::unique_ptr<WebTextBox>> textBoxes_;
  std::vector<std::unique_ptr<WebDrawing>> drawings_;
  // Each control by design name, as it takes the focus.
  std::vector<std::pair<std::string_view, val>> focusable_;
  std::optional<val> lines_;
  FocusMemory<val> focus_;
  int layers_ = 0;
  bool enabled_ = true;
  bool blocked_ = false;
  // Alt pressed and let go with no other key between enters the menu bar.
  bool altAlone_ = false;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
