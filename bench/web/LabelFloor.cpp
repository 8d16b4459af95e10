// The floor for the page's start-up: the least a page of Korvanel's kind
// pays, the same WebAssembly start (embind, exceptions, the site's flags)
// showing one label, so that loading and compiling the module and the first
// font are counted here and not against Korvanel.
#include <emscripten/val.h>

#include <string>

int main() {
  using emscripten::val;
  const val document = val::global("document");
  val label = document.call<val>("createElement", std::string("div"));
  label.call<void>("setAttribute", std::string("class"), std::string("label"));
  label.set("textContent", std::string("Scale Guitar Length"));
  document.call<val>("getElementById", std::string("desktop")).call<void>("append", label);
  return 0;
}
