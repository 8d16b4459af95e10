#include "platform/web/WebPrinter.h"

#include "platform/web/CssText.h"
#include "platform/web/Fonts.h"

namespace korvanel::web {

DevicePrinter::Start WebPrinter::StartDocument() {
  lines_.clear();
  return Start::kStarted;
}

void WebPrinter::AddLine(std::size_t, std::optional<std::string_view> text) {
  lines_.push_back({std::string(text.value_or("")), Font(), ForeColor(), !text.has_value()});
}

bool WebPrinter::EndDocument() {
  val printout = ElementById("printout");
  printout.call<void>("replaceChildren");
  for (const Line& line : lines_) {
    val shown = MakeElement("div", "printed-line");
    // The printer's stand-in for a face it lacks is of fixed pitch.
    ApplyFont(shown, {line.font.name, line.font.points, true});
    if (line.font.bold) SetStyle(shown, "font-weight", "bold");
    if (line.font.italic) SetStyle(shown, "font-style", "italic");
    SetStyle(shown, "color",
             CssColor(line.color & 0xFF, (line.color >> 8) & 0xFF, (line.color >> 16) & 0xFF));
    if (!line.empty) SetText(shown, line.text);
    Append(printout, shown);
  }
  lines_.clear();
  val::global("window").call<void>("print");
  return true;
}

}  // namespace korvanel::web
