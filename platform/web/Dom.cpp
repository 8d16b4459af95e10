#include "platform/web/Dom.h"

#include <emscripten/bind.h>

#include <cmath>
#include <cstdio>
#include <exception>
#include <utility>

#include "platform/ControlError.h"

namespace korvanel::web {

namespace {

// What the page calls: an EventListener object (an object with handleEvent).
struct Listener {
  std::function<void(val)> handler;

  void handleEvent(val event) {
    // The windows' handlers report their own errors; a failure of the
    // runtime's own listeners must not stop the page, and shows in its
    // console.
    try {
      handler(std::move(event));
    } catch (const std::exception& error) {
      val::global("console").call<void>("error", std::string("Korvanel: ") + error.what());
    } catch (...) {
      val::global("console").call<void>("error", std::string("Korvanel: a listener failed"));
    }
  }
  // The page calls a callback with no arguments (setTimeout), which embind
  // counts.
  void run() { handleEvent(val::undefined()); }
};

}  // namespace

EMSCRIPTEN_BINDINGS(korvanel_dom) {
  emscripten::class_<Listener>("KorvanelListener")
      .function("handleEvent", &Listener::handleEvent)
      .function("run", &Listener::run);
}

val Document() { return val::global("document"); }

val MakeElement(const char* tag, std::string_view className, bool svg) {
  val element =
      svg ? Document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                 std::string(tag))
          : Document().call<val>("createElement", std::string(tag));
  if (!className.empty())
    element.call<void>("setAttribute", std::string("class"), std::string(className));
  return element;
}

val ElementById(const char* id) {
  val element = Document().call<val>("getElementById", std::string(id));
  if (element.isNull()) throw ControlError("The page has no element " + std::string(id) + ".");
  return element;
}

// embind turns a std::string into JavaScript as UTF-8, and back.
val JsText(std::string_view text) { return val(std::string(text)); }

void SetText(val element, std::string_view text) { element.set("textContent", JsText(text)); }

void SetAttribute(const val& element, const char* name, std::string_view value) {
  element.call<void>("setAttribute", std::string(name), JsText(value));
}

void SetPixels(const val& element, const char* property, double pixels) {
  char length[32];
  std::snprintf(length, sizeof length, "%gpx", pixels);
  element["style"].call<void>("setProperty", std::string(property), std::string(length));
}

void SetStyle(const val& element, const char* property, std::string_view value) {
  element["style"].call<void>("setProperty", std::string(property), JsText(value));
}

void ToggleClass(const val& element, const char* className, bool on) {
  element["classList"].call<void>("toggle", std::string(className), on);
}

int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

ListenerSet::~ListenerSet() {
  for (Added& added : added_) {
    added.target.call<void>("removeEventListener", added.type, added.listener);
    added.listener.call<void>("delete");
  }
  for (val& callback : callbacks_) callback.call<void>("delete");
}

void ListenerSet::Listen(const val& target, const char* type,
                         std::function<void(val event)> handler) {
  val listener(Listener{std::move(handler)});
  target.call<void>("addEventListener", std::string(type), listener);
  added_.push_back({target, type, listener});
}

val ListenerSet::Callback(std::function<void()> handler) {
  val listener(Listener{[handler = std::move(handler)](val) { handler(); }});
  callbacks_.push_back(listener);
  return listener["run"].call<val>("bind", listener);
}

val ListenerSet::Handler(std::function<void(val argument)> handler) {
  val listener(Listener{std::move(handler)});
  callbacks_.push_back(listener);
  return listener["handleEvent"].call<val>("bind", listener);
}

}  // namespace korvanel::web
