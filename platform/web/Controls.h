#pragma once

#include <string>
#include <string_view>

#include "platform/Runtime.h"
#include "platform/WindowDesign.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// A label: its text on one line, what does not fit cut off; `id` names it
// for the control it labels.
class WebLabel : public Label {
 public:
  WebLabel(const ControlDesign& design, const std::string& id);

  void SetText(std::string_view text) override;
  const val& Element() const { return element_; }

 private:
  val element_;
};

// A push button showing its design's text; the default one is marked so.
val MakeButtonElement(const ControlDesign& button);

// A text box: a text field of one line, its text as typed.
class WebTextBox : public TextBox {
 public:
  WebTextBox();

  void SetText(std::string_view text) override;
  std::string Text() const override;
  const val& Element() const { return field_; }

 private:
  val field_;
};

// The drawing that holds a window's lines, above every control; the mouse
// goes through it.
val MakeLinesElement();
// A line of `design` one pixel wide, for the lines' drawing.
val MakeLineElement(const LineDesign& design);

}  // namespace korvanel::web
