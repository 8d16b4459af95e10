#include "platform/web/Printer.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "platform/web/CssText.h"
#include "platform/web/Drawing.h"
#include "platform/web/Fonts.h"

using emscripten::EM_VAL;

namespace {

// How long a print waits for the printout's faces: a browser takes the page
// for printing as it is when asked, and a face still loading would print as
// nothing. A face later than this gives way to the system's fixed-pitch face.
constexpr int kFaceWaitMilliseconds = 3000;

}  // namespace

// Each font of the lines of `printout` with the text it shows there.
// clang-format off
EM_JS(EM_VAL, korvanel_printout_fonts, (EM_VAL printout), {
  const view = Emval.toValue(printout);
  view.classList.remove("system-faces");
  const texts = new Map();
  for (const line of view.children) {
    const style = getComputedStyle(line);
    const font = style.fontStyle + " " + style.fontWeight + " " + style.fontSize + " " +
                 style.fontFamily;
    texts.set(font, (texts.get(font) || "") + line.textContent);
  }
  return Emval.toHandle([...texts].map(([font, text]) => [font, text || " "]));
});

// Loads the faces of `fonts` for `printout`, then hands the page to the
// browser's print dialog; `printing` is set on the printout meanwhile.
EM_JS(void, korvanel_print_when_faces_loaded, (EM_VAL printout, EM_VAL printoutFonts,
                                                int waitMilliseconds), {
  const view = Emval.toValue(printout);
  const fonts = Emval.toValue(printoutFonts);
  const loaded = Promise.all(fonts.map(([font, text]) => document.fonts.load(font, text)))
    .then(() => fonts.every(([font, text]) => document.fonts.check(font, text)));
  const late = new Promise((resolve) => setTimeout(resolve, waitMilliseconds, false));
  const print = (ready) => {
    if (!ready) view.classList.add("system-faces");
    view.printing = true;
    try {
      window.print();
    } finally {
      view.printing = false;
    }
  };
  Promise.race([loaded, late]).then(print, () => print(false));
});

// The browser prints now: a face still loading gives way to the system's.
EM_JS(void, korvanel_print_with_loaded_faces, (EM_VAL printout, EM_VAL printoutFonts), {
  const view = Emval.toValue(printout);
  const fonts = Emval.toValue(printoutFonts);
  if (!fonts.every(([font, text]) => document.fonts.check(font, text))) {
    view.classList.add("system-faces");
  }
});

EM_JS(bool, korvanel_is_printing, (), {
  return document.getElementById("printout").printing === true;
});

EM_JS(void, korvanel_load_print_faces, (), {
  for (const weight of ["normal", "bold"]) document.fonts.load(weight + ' 10pt "Korvanel Mono"');
  document.fonts.load('10pt "Korvanel Sans"');
});

// The paper the printout asks of the browser: a rule of the page's style
// sheet while pages are printed, none (the browser's own) for lines.
EM_JS(void, korvanel_ask_paper, (double width, double height), {
  const sheet = document.styleSheets[0];
  const asked = korvanel_ask_paper;
  if (asked.rule) {
    const at = Array.prototype.indexOf.call(sheet.cssRules, asked.rule);
    if (at >= 0) sheet.deleteRule(at);
    asked.rule = null;
  }
  if (width > 0) {
    const at = sheet.insertRule(
        "@media print { @page { size: " + width + "mm " + height + "mm; margin: 0; } }",
        sheet.cssRules.length);
    asked.rule = sheet.cssRules[at];
  }
});
// clang-format on

namespace korvanel::web {

void WebPrinter::LoadFaces() { korvanel_load_print_faces(); }

bool WebPrinter::IsPrinting() { return korvanel_is_printing(); }

DevicePrinter::Start WebPrinter::StartDocument() {
  lines_.clear();
  pages_.clear();
  return Start::kStarted;
}

void WebPrinter::AddLine(std::size_t, std::optional<std::string_view> text) {
  lines_.push_back({std::string(text.value_or("")), Font(), ForeColor(), !text.has_value()});
}

void WebPrinter::AddPage(std::size_t, const Picture& page) { pages_.push_back(page); }

void WebPrinter::ShowLines(const val& printout) const {
  for (const Line& line : lines_) {
    val shown = MakeElement("div", "printed-line");
    // The printer's stand-in for a face it lacks is of fixed pitch.
    ApplyFont(shown, {line.font.name, line.font.points, true});
    if (line.font.bold) SetStyle(shown, "font-weight", "bold");
    if (line.font.italic) SetStyle(shown, "font-style", "italic");
    SetStyle(shown, "color", CssColor(line.color.red, line.color.green, line.color.blue));
    if (!line.empty) SetText(shown, line.text);
    Append(printout, shown);
  }
}

void WebPrinter::ShowPages(const val& printout) const {
  const Paper& paper = *PagesPaper();
  const std::string width = CssNumber(paper.width);
  const std::string height = CssNumber(paper.height);
  for (const Picture& page : pages_) {
    // Measured from the paper's corner, a millimetre to a millimetre.
    val shown = MakeElement("svg", "printed-page", true);
    SetAttribute(shown, "width", width + "mm");
    SetAttribute(shown, "height", height + "mm");
    SetAttribute(shown, "viewBox", "0 0 " + width + " " + height);
    DrawPicture(shown, page, kPrintedLineMillimetres);
    Append(printout, shown);
  }
}

bool WebPrinter::EndDocument() {
  val printout = ElementById("printout");
  const bool pages = PagesPaper().has_value();
  korvanel_ask_paper(pages ? PagesPaper()->width : 0, pages ? PagesPaper()->height : 0);
  printout.call<void>("replaceChildren");
  if (pages) {
    ShowPages(printout);
  } else {
    ShowLines(printout);
  }
  lines_.clear();
  pages_.clear();
  const val fonts = val::take_ownership(korvanel_printout_fonts(printout.as_handle()));
  if (dialog_) {
    korvanel_print_when_faces_loaded(printout.as_handle(), fonts.as_handle(),
                                     kFaceWaitMilliseconds);
  } else {
    korvanel_print_with_loaded_faces(printout.as_handle(), fonts.as_handle());
  }
  return true;
}

}  // namespace korvanel::web
