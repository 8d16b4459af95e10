#include "platform/web/Controls.h"

#include "platform/Twips.h"
#include "platform/web/CssText.h"

namespace korvanel::web {

WebLabel::WebLabel(const ControlDesign& design, const std::string& id)
    : element_(MakeElement("div", "label")) {
  web::SetAttribute(element_, "id", id);
  web::SetText(element_, design.text);
}

void WebLabel::SetText(std::string_view text) { web::SetText(element_, text); }

val MakeButtonElement(const ControlDesign& button) {
  val element = MakeElement("button", button.isDefault ? "button default" : "button");
  SetAttribute(element, "type", "button");
  SetText(element, button.text);
  return element;
}

WebTextBox::WebTextBox() : field_(MakeElement("input", "textbox")) {
  SetAttribute(field_, "type", "text");
  SetAttribute(field_, "autocomplete", "off");
  SetAttribute(field_, "spellcheck", "false");
}

void WebTextBox::SetText(std::string_view text) { field_.set("value", JsText(text)); }

std::string WebTextBox::Text() const { return field_["value"].as<std::string>(); }

val MakeLinesElement() {
  val lines = MakeElement("svg", "lines", true);
  SetAttribute(lines, "aria-hidden", "true");
  return lines;
}

val MakeLineElement(const LineDesign& design) {
  val line = MakeElement("line", {}, true);
  // Through the middles of the end pixels, so that a line is one pixel wide.
  const auto middle = [](int twips) { return CssNumber(TwipsToPixels(twips) + 0.5); };
  SetAttribute(line, "x1", middle(design.x1));
  SetAttribute(line, "y1", middle(design.y1));
  SetAttribute(line, "x2", middle(design.x2));
  SetAttribute(line, "y2", middle(design.y2));
  SetAttribute(line, "data-name", design.name);
  return line;
}

}  // namespace korvanel::web
