#include "platform/web/Form.h"

#include <algorithm>
#include <string>

#include "platform/Twips.h"
#include "platform/web/CssText.h"
#include "platform/web/Fonts.h"
#include "platform/web/Runtime.h"

namespace korvanel::web {

namespace {

// What takes the focus itself when it is pressed.
constexpr char kFocusable[] = "button, input, select, table, [tabindex]";

bool IsElement(const val& element) { return !element.isNull() && !element.isUndefined(); }

}  // namespace

WebForm::WebForm(WebRuntime& runtime, Window& window)
    : Form(runtime, window),
      runtime_(runtime),
      printCommand_(window.Design().printCommand),
      frame_(runtime, window.Design().caption, TwipsToPixels(window.Design().clientWidth),
             TwipsToPixels(window.Design().clientHeight), "dialog", [this] { Close(); }) {
  const WindowDesign& design = window.Design();
  SetAttribute(frame_.Element(), "data-name", design.name);
  ApplyFont(frame_.Client(), kDefaultFont);
  MakeControls(design, *this);
  listeners_.Listen(frame_.Element(), "keydown", [this](val event) { OnKey(event); });
  listeners_.Listen(frame_.Element(), "keyup", [this](val event) {
    if (event["key"].as<std::string>() == "Alt" && altAlone_ && menus_) {
      event.call<void>("preventDefault");
      menus_->Enter();
    }
    altAlone_ = false;
  });
  listeners_.Listen(frame_.Element(), "pointerdown", [this](val event) { OnPress(event); });
  listeners_.Listen(frame_.Element(), "focusin", [this](val event) {
    val target = event["target"];
    if (!menus_ || !menus_->Contains(target)) focus_.Remember(target);
  });
}

void WebForm::SetBlocked(bool blocked) {
  blocked_ = blocked;
  UpdateInert();
}

void WebForm::ShowCentred() {
  frame_.Show();
  if (!focus_.TabOrder().empty()) focus_.TabOrder().front().call<void>("focus");
}

void WebForm::BringForward() {
  frame_.BringForward();
  RestoreFocus();
}

void WebForm::Close() noexcept {
  if (!frame_.IsShown()) return;
  frame_.Element().call<void>("remove");
  Closed();
  // As on the desktop, the window now in front takes the focus.
  runtime_.ActivateFront();
  // Not while its own event is being handled.
  runtime_.DeleteClosedLater();
}

void WebForm::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateInert();
}

bool WebForm::IsActive() const { return frame_.Contains(Document()["activeElement"]); }

void WebForm::Activate() {
  runtime_.MarkActiveWindow(frame_.Element());
  RestoreFocus();
}

void WebForm::Focus(std::string_view control) {
  for (const auto& [name, element] : focusable_) {
    if (name != control) continue;
    // Also for when the window takes input again: a window blocked by a
    // message box takes no focus, and gets it back there.
    focus_.Remember(element);
    element.call<void>("focus");
  }
}

val WebForm::MakeMenu(const MenuDesign& menu) {
  if (!menus_) {
    menus_.emplace([this](std::string_view name) { Click(name); });
    frame_.AddBar(menus_->Element());
    ApplyFont(menus_->Element(), kDefaultFont);
  }
  return menus_->AddMenu(menu);
}

void WebForm::MakeMenuItem(val menu, const MenuItemDesign& item) { menus_->AddItem(menu, item); }

void WebForm::MakeSeparator(val menu, const MenuItemDesign&) { menus_->AddSeparator(menu); }

WebControl WebForm::Placed(const val& box, const ControlDesign& design, const val& focus) {
  // One style for the whole place: the page is asked once. The stacking
  // order stays that of the design when the tab order moves the elements.
  const auto pixels = [](int twips) { return std::to_string(TwipsToPixels(twips)) + "px;"; };
  std::string style = "left:" + pixels(design.left) + "top:" + pixels(design.top) +
                      "width:" + pixels(design.width) + "height:" + pixels(design.height) +
                      "z-index:" + std::to_string(++layers_) +
                      ";font-size:" + CssNumber(design.font.points) +
                      "pt;font-family:" + FontFamily(design.font) + ";";
  if (design.color) {
    style += "color:" + CssColor(design.color->red, design.color->green, design.color->blue) + ";";
  }
  // Through the style object: the page's policy refuses style attributes.
  val(box)["style"].set("cssText", style);
  SetAttribute(box, "data-name", design.name);
  Append(frame_.Client(), box);
  focusable_.emplace_back(design.name, focus);
  return {box, focus};
}

WebControl WebForm::MakeLabel(const ControlDesign& label) {
  labels_.push_back(std::make_unique<WebLabel>(label, runtime_.NewId()));
  Register(label.name, *labels_.back());
  return Placed(labels_.back()->Element(), label, labels_.back()->Element());
}

WebControl WebForm::MakeButton(const ControlDesign& button) {
  val box = MakeButtonElement(button);
  if (button.isDefault) focus_.SetDefaultButton(box);
  listeners_.Listen(box, "click", [this, name = std::string(button.name)](val) { Click(name); });
  return Placed(box, button, box);
}

WebControl WebForm::MakeComboBox(const ControlDesign& box) {
  combos_.push_back(std::make_unique<WebComboBox>(runtime_.NewId()));
  Register(box.name, *combos_.back());
  return Placed(combos_.back()->Box(), box, combos_.back()->Field());
}

WebControl WebForm::MakeDropDownList(const ControlDesign& box) {
  dropDowns_.push_back(
      std::make_unique<WebDropDownList>([this, name = std::string(box.name)] { Changed(name); }));
  Register(box.name, *dropDowns_.back());
  return Placed(dropDowns_.back()->Element(), box, dropDowns_.back()->Element());
}

WebControl WebForm::MakeTextBox(const ControlDesign& box) {
  textBoxes_.push_back(std::make_unique<WebTextBox>());
  Register(box.name, *textBoxes_.back());
  return Placed(textBoxes_.back()->Element(), box, textBoxes_.back()->Element());
}

WebControl WebForm::MakeDrawing(const ControlDesign& drawing) {
  drawings_.push_back(std::make_unique<WebDrawing>(drawing));
  Register(drawing.name, *drawings_.back());
  return Placed(drawings_.back()->Element(), drawing, drawings_.back()->Element());
}

WebControl WebForm::MakeList(const ControlDesign& list) {
  lists_.push_back(std::make_unique<ReportList>(list));
  Register(list.name, *lists_.back());
  return Placed(lists_.back()->Box(), list, lists_.back()->Table());
}

void WebForm::MakeLine(const LineDesign& line) {
  if (!lines_) {
    lines_ = MakeLinesElement();
    Append(frame_.Client(), *lines_);
  }
  Append(*lines_, MakeLineElement(line));
}

void WebForm::NameByLabel(WebControl label, WebControl named) {
  const std::string labelId = label.box["id"].as<std::string>();
  for (const auto& combo : combos_) {
    if (combo->Field().strictlyEquals(named.focus)) {
      combo->NameBy(labelId);
      return;
    }
  }
  SetAttribute(named.focus, "aria-labelledby", labelId);
}

void WebForm::SetTabOrder(std::span<const WebControl> order) {
  // The page's Tab key follows the order of the elements; their places on
  // the screen do not depend on it.
  std::vector<val> focusOrder;
  for (const WebControl& control : order) {
    Append(frame_.Client(), control.box);
    focusOrder.push_back(control.focus);
  }
  focus_.SetTabOrder(focusOrder);
  if (lines_) Append(frame_.Client(), *lines_);
}

void WebForm::OnKey(val event) {
  const std::string key = event["key"].as<std::string>();
  altAlone_ = key == "Alt" && !event["ctrlKey"].as<bool>() && !event["shiftKey"].as<bool>();
  if (key == "F10" && menus_ && !event["shiftKey"].as<bool>()) {
    event.call<void>("preventDefault");
    menus_->Enter();
    return;
  }
  if (key != "Enter" || event["defaultPrevented"].as<bool>()) return;
  // A focused button or menu item takes Enter itself, as in a dialog.
  const val target = event["target"];
  const std::string tag = target["tagName"].as<std::string>();
  if (tag == "BUTTON" || (menus_ && menus_->Contains(target))) return;
  const std::optional<val> button = focus_.EnterClicks(std::nullopt);
  if (!button) return;
  event.call<void>("preventDefault");
  button->call<void>("click");
}

void WebForm::OnPress(val event) {
  // A press on the window's frame or on a label activates the window as on
  // the desktop: the focus goes back to its control, not to the page.
  const val pressed = event["target"];
  if (IsElement(pressed) && IsElement(pressed.call<val>("closest", std::string(kFocusable)))) {
    return;
  }
  event.call<void>("preventDefault");
  RestoreFocus();
}

void WebForm::RestoreFocus() {
  const std::optional<val> restored =
      focus_.Restored([this](const val& control) { return frame_.Contains(control); });
  if (restored && !restored->strictlyEquals(Document()["activeElement"])) {
    restored->call<void>("focus");
  }
}

void WebForm::UpdateInert() {
  val window = frame_.Element();
  window.set("inert", !enabled_ || blocked_);
}

}  // namespace korvanel::web
