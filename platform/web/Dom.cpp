#include "platform/web/Dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cmath>
#include <exception>
#include <utility>

#include "platform/ControlError.h"
#include "platform/web/CssText.h"

// The page's elements are changed through these few functions of the page's
// own JavaScript, each called directly with the program's texts in place:
// one call where a method called through embind makes several and copies
// every text it is given.

using emscripten::EM_VAL;

// clang-format off
EM_JS(EM_VAL, korvanel_make_element, (const char* tag, const char* className, size_t classLength,
                                      bool svg), {
  const element = svg ? document.createElementNS("http://www.w3.org/2000/svg", UTF8ToString(tag))
                      : document.createElement(UTF8ToString(tag));
  if (classLength > 0) element.setAttribute("class", UTF8ToString(className, classLength));
  return Emval.toHandle(element);
});

EM_JS(EM_VAL, korvanel_text, (const char* text, size_t length), {
  return Emval.toHandle(UTF8ToString(text, length));
});

EM_JS(void, korvanel_set_text, (EM_VAL element, const char* text, size_t length), {
  Emval.toValue(element).textContent = UTF8ToString(text, length);
});

EM_JS(void, korvanel_set_attribute, (EM_VAL element, const char* name, const char* value,
                                     size_t length), {
  Emval.toValue(element).setAttribute(UTF8ToString(name), UTF8ToString(value, length));
});

EM_JS(void, korvanel_set_style, (EM_VAL element, const char* property, const char* value,
                                 size_t length), {
  Emval.toValue(element).style.setProperty(UTF8ToString(property), UTF8ToString(value, length));
});

EM_JS(void, korvanel_append, (EM_VAL parent, EM_VAL child), {
  Emval.toValue(parent).append(Emval.toValue(child));
});

EM_JS(void, korvanel_listen, (EM_VAL target, const char* type, EM_VAL listener), {
  Emval.toValue(target).addEventListener(UTF8ToString(type), Emval.toValue(listener));
});

// A task queued by a frame's animation callbacks runs once that frame has
// been painted; a second later, the browser has long put it on the screen.
EM_JS(void, korvanel_after_painted_and_shown, (EM_VAL task), {
  const run = Emval.toValue(task);
  requestAnimationFrame(() => setTimeout(run, 1000));
});

EM_JS(void, korvanel_toggle_class, (EM_VAL element, const char* className, bool on), {
  Emval.toValue(element).classList.toggle(UTF8ToString(className), on);
});

// A function the page may call with any arguments: it runs the listener at
// that address with the first of them, until it is told to forget it.
EM_JS(EM_VAL, korvanel_listener_function, (void* listener), {
  const run = (argument) => {
    if (run.listener) _korvanel_run_listener(run.listener, Emval.toHandle(argument));
  };
  run.listener = listener;
  return Emval.toHandle(run);
});

EM_JS(void, korvanel_forget_listener, (EM_VAL run), {
  Emval.toValue(run).listener = 0;
});
// clang-format on

extern "C" EMSCRIPTEN_KEEPALIVE void korvanel_run_listener(
    std::function<void(emscripten::val)>* listener, EM_VAL argument) {
  using emscripten::val;
  val event = val::take_ownership(argument);
  // The windows' handlers report their own errors; a failure of the
  // runtime's own listeners must not stop the page, and shows in its
  // console.
  try {
    (*listener)(std::move(event));
  } catch (const std::exception& error) {
    val::global("console").call<void>("error", std::string("Korvanel: ") + error.what());
  } catch (...) {
    val::global("console").call<void>("error", std::string("Korvanel: a listener failed"));
  }
}

namespace korvanel::web {

val Document() { return val::global("document"); }

val MakeElement(const char* tag, std::string_view className, bool svg) {
  return val::take_ownership(korvanel_make_element(tag, className.data(), className.size(), svg));
}

val ElementById(const char* id) {
  val element = Document().call<val>("getElementById", std::string(id));
  if (element.isNull()) throw ControlError("The page has no element " + std::string(id) + ".");
  return element;
}

val JsText(std::string_view text) {
  return val::take_ownership(korvanel_text(text.data(), text.size()));
}

void SetText(val element, std::string_view text) {
  korvanel_set_text(element.as_handle(), text.data(), text.size());
}

void SetAttribute(const val& element, const char* name, std::string_view value) {
  korvanel_set_attribute(element.as_handle(), name, value.data(), value.size());
}

void SetPixels(const val& element, const char* property, double pixels) {
  SetStyle(element, property, CssNumber(pixels) + "px");
}

void SetStyle(const val& element, const char* property, std::string_view value) {
  korvanel_set_style(element.as_handle(), property, value.data(), value.size());
}

void AppendChild(const val& parent, const val& child) {
  korvanel_append(parent.as_handle(), child.as_handle());
}

void ToggleClass(const val& element, const char* className, bool on) {
  korvanel_toggle_class(element.as_handle(), className, on);
}

void AfterPaintedAndShown(const val& task) { korvanel_after_painted_and_shown(task.as_handle()); }

ListenerSet::~ListenerSet() {
  for (Added& added : added_) {
    added.target.call<void>("removeEventListener", added.type, added.function);
  }
  for (const Made& made : made_) korvanel_forget_listener(made.function.as_handle());
}

void ListenerSet::Listen(const val& target, const char* type,
                         std::function<void(val event)> handler) {
  val function = Handler(std::move(handler));
  korvanel_listen(target.as_handle(), type, function.as_handle());
  added_.push_back({target, type, function});
}

val ListenerSet::Callback(std::function<void()> handler) {
  return Handler([handler = std::move(handler)](val) { handler(); });
}

val ListenerSet::Handler(std::function<void(val argument)> handler) {
  auto listener = std::make_unique<std::function<void(val)>>(std::move(handler));
  val function = val::take_ownership(korvanel_listener_function(listener.get()));
  made_.push_back({std::move(listener), function});
  return function;
}

}  // namespace korvanel::web
