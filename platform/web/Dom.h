#pragma once

#include <emscripten/val.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvanel::web {

using emscripten::val;

// The page's elements as the runtime makes and changes them: thin calls on
// the DOM through embind, with the program's texts in UTF-8.

val Document();
// A new element of `tag` (HTML, or SVG when `svg`) with `className`.
val MakeElement(const char* tag, std::string_view className = {}, bool svg = false);
// The element of the page with that id; fails with ControlError when the
// page has none.
val ElementById(const char* id);

// A JavaScript string of UTF-8 `text`.
val JsText(std::string_view text);
void SetText(val element, std::string_view text);
void SetAttribute(const val& element, const char* name, std::string_view value);
// Sets a style property, such as "left", to a length in CSS pixels.
void SetPixels(const val& element, const char* property, double pixels);
void SetStyle(const val& element, const char* property, std::string_view value);
void ToggleClass(const val& element, const char* className, bool on);
// Puts `child` last in `parent`, or moves it there.
void AppendChild(const val& parent, const val& child);
template <typename... Children>
void Append(const val& parent, const Children&... children) {
  (AppendChild(parent, children), ...);
}

// Runs `task` (a function of the page) a second after the page's next frame
// has been painted, once the browser has shown it.
void AfterPaintedAndShown(const val& task);

// Listeners of the page's events that run C++, and callbacks the page calls
// later: each lives until the set that made it goes (a call after that does
// nothing). What a handler throws never reaches the page.
class ListenerSet {
 public:
  ListenerSet() = default;
  ListenerSet(const ListenerSet&) = delete;
  ListenerSet& operator=(const ListenerSet&) = delete;
  // Removes the listeners from their targets and frees them.
  ~ListenerSet();

  void Listen(const val& target, const char* type, std::function<void(val event)> handler);
  // A JavaScript function of no arguments that runs `handler` (for
  // setTimeout), and one of one argument (for a promise's outcome).
  val Callback(std::function<void()> handler);
  val Handler(std::function<void(val argument)> handler);

 private:
  struct Made {
    std::unique_ptr<std::function<void(val argument)>> listener;
    val function;
  };
  struct Added {
    val target;
    std::string type;
    val function;
  };
  std::vector<Made> made_;
  std::vector<Added> added_;
};

}  // namespace korvanel::web
