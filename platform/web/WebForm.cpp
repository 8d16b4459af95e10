#include "platform/web/WebForm.h"

#include <algorithm>
#include <string>

#include "platform/web/CssText.h"
#include "platform/web/Fonts.h"
#include "platform/web/WebRuntime.h"

namespace korvanel::web {

namespace {

// What takes the focus itself when it is pressed.
constexpr char kFocusable[] = "button, input, table, [tabindex]";

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
    if (!menus_ || !menus_->Contains(target)) lastFocus_ = target;
  });
}

void WebForm::ShowMessage(std::string_view text) { runtime_.ShowMessageBox(this, text); }

void WebForm::ShowError(const char* what) noexcept {
  try {
    runtime_.ShowMessageBox(this, what);
  } catch (...) {
    // Not even the message box could be made: nothing is left to tell.
  }
}

void WebForm::SetBlocked(bool blocked) {
  blocked_ = blocked;
  UpdateInert();
}

void WebForm::ShowCentred() {
  frame_.Show();
  if (!tabOrder_.empty()) tabOrder_.front().call<void>("focus");
}

void WebForm::BringForward() {
  frame_.BringForward();
  RestoreFocus();
}

void WebForm::Close() noexcept {
  if (!frame_.IsShown()) return;
  frame_.Element().call<void>("remove");
  Unloaded();
  // As on the desktop, the window now in front takes the focus.
  runtime_.ActivateFront();
  // Not while its own event is being handled.
  runtime_.DeleteLater();
}

void WebForm::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateInert();
}

bool WebForm::IsActive() const { return frame_.Contains(Document()["activeElement"]); }

void WebForm::Activate() {
  runtime_.SetActive(frame_.Element());
  RestoreFocus();
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
  return {box, focus};
}

WebControl WebForm::MakeLabel(const ControlDesign& label) {
  val box = MakeElement("div", "label");
  SetAttribute(box, "id", runtime_.NewId());
  SetText(box, label.text);
  return Placed(box, label, box);
}

WebControl WebForm::MakeButton(const ControlDesign& button) {
  val box = MakeElement("button", button.isDefault ? "button default" : "button");
  SetAttribute(box, "type", "button");
  SetText(box, button.text);
  if (button.isDefault) defaultButton_ = box;
  listeners_.Listen(box, "click", [this, name = std::string(button.name)](val) { Click(name); });
  return Placed(box, button, box);
}

WebControl WebForm::MakeComboBox(const ControlDesign& box) {
  combos_.push_back(std::make_unique<WebComboBox>(runtime_.NewId()));
  AddComboBox(box.name, *combos_.back());
  return Placed(combos_.back()->Box(), box, combos_.back()->Field());
}

WebControl WebForm::MakeList(const ControlDesign& list) {
  lists_.push_back(std::make_unique<ReportList>(list));
  AddList(list.name, *lists_.back());
  return Placed(lists_.back()->Box(), list, lists_.back()->Table());
}

void WebForm::MakeLine(const LineDesign& line) {
  if (!lines_) {
    // One drawing above every control; the mouse goes through it.
    lines_ = MakeElement("svg", "lines", true);
    SetAttribute(*lines_, "aria-hidden", "true");
    Append(frame_.Client(), *lines_);
  }
  val drawn = MakeElement("line", {}, true);
  // Through the middles of the end pixels, so that a line is one pixel wide.
  const auto middle = [](int twips) { return CssNumber(TwipsToPixels(twips) + 0.5); };
  SetAttribute(drawn, "x1", middle(line.x1));
  SetAttribute(drawn, "y1", middle(line.y1));
  SetAttribute(drawn, "x2", middle(line.x2));
  SetAttribute(drawn, "y2", middle(line.y2));
  SetAttribute(drawn, "data-name", line.name);
  Append(*lines_, drawn);
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
  for (const WebControl& control : order) {
    Append(frame_.Client(), control.box);
    tabOrder_.push_back(control.focus);
  }
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
  if (key != "Enter" || event["defaultPrevented"].as<bool>() || !defaultButton_) return;
  // A focused button or menu item takes Enter itself, as in a dialog.
  const val target = event["target"];
  const std::string tag = target["tagName"].as<std::string>();
  if (tag == "BUTTON" || (menus_ && menus_->Contains(target))) return;
  event.call<void>("preventDefault");
  defaultButton_->call<void>("click");
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
  if (IsElement(lastFocus_) && frame_.Contains(lastFocus_)) {
    if (lastFocus_.strictlyEquals(Document()["activeElement"])) return;
    lastFocus_.call<void>("focus");
  } else if (!tabOrder_.empty()) {
    tabOrder_.front().call<void>("focus");
  }
}

void WebForm::UpdateInert() {
  val window = frame_.Element();
  window.set("inert", !enabled_ || blocked_);
}

}  // namespace korvanel::web
