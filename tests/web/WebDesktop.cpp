// The soak's user on the web runtime: windows and controls found in the page
// by their design names, driven by the clicks and keys a user's actions
// give. Between two actions the page's own tasks (the deletion of closed
// windows) run, as they would for a user.
#include <emscripten/val.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/web/WebRuntime.h"
#include "tests/desktop/Desktop.h"

namespace korvanel::test {
namespace {

using emscripten::val;

val Document() { return val::global("document"); }

std::vector<val> All(const val& root, const std::string& selector) {
  const val found = root.call<val>("querySelectorAll", selector);
  std::vector<val> elements;
  for (int i = 0; i < found["length"].as<int>(); ++i) elements.push_back(found[i]);
  return elements;
}

std::vector<val> ShownWindows(std::string_view window) {
  return All(Document(), "section.window[data-name=\"" + std::string(window) + "\"]");
}

std::vector<val> Named(std::string_view window, std::string_view control) {
  std::vector<val> found;
  for (const val& shown : ShownWindows(window)) {
    for (val& named : All(shown, "[data-name=\"" + std::string(control) + "\"]")) {
      found.push_back(std::move(named));
    }
  }
  return found;
}

class WebDesktop : public Desktop {
 public:
  explicit WebDesktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob)) {}

  WindowRuntime& Runtime() override { return runtime_; }

  void Click(std::string_view window, std::string_view control) override {
    for (const val& target : Named(window, control)) target.call<void>("click");
  }
  void Type(std::string_view window, std::string_view comboBox, std::string_view text) override {
    for (val field : Fields(window, comboBox)) field.set("value", std::string(text));
  }
  void Pick(std::string_view window, std::string_view comboBox, int entry) override {
    for (const val& box : Named(window, comboBox)) {
      box.call<val>("querySelectorAll", std::string("[role=option]"))[entry].call<void>("click");
    }
  }
  void PressEnter(std::string_view window, std::string_view control) override {
    for (const val& field : Fields(window, control)) {
      val init = val::object();
      init.set("key", std::string("Enter"));
      init.set("bubbles", true);
      init.set("cancelable", true);
      field.call<bool>("dispatchEvent",
                       val::global("KeyboardEvent").new_(std::string("keydown"), init));
    }
  }
  void CloseBox(std::string_view window) override {
    for (const val& shown : ShownWindows(window)) {
      shown.call<val>("querySelector", std::string(".titlebar .close")).call<void>("click");
    }
  }
  // The user answers every message box with OK, then the page's tasks run.
  void Settle() override {
    for (const val& box : All(Document(), "section.window[role=alertdialog]")) {
      box.call<val>("querySelector", std::string(".message-ok")).call<void>("click");
    }
    val::global("runSoakTasks")();
  }

  int Shown(std::string_view window) const override {
    return static_cast<int>(ShownWindows(window).size());
  }
  std::vector<std::vector<std::string>> Rows(std::string_view window,
                                             std::string_view list) const override {
    std::vector<std::vector<std::string>> rows;
    for (const val& box : Named(window, list)) {
      for (const val& row : All(box, "tbody tr")) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (const val& cell : All(row, "td"))
          cells.push_back(cell["textContent"].as<std::string>());
      }
    }
    return rows;
  }
  std::vector<std::string> Entries(std::string_view window,
                                   std::string_view comboBox) const override {
    std::vector<std::string> entries;
    for (const val& box : Named(window, comboBox)) {
      for (const val& entry : All(box, "[role=option]")) {
        entries.push_back(entry["textContent"].as<std::string>());
      }
    }
    return entries;
  }

  // The page's elements, and the JavaScript values C++ holds (each
  // listener of the runtime is one).
  std::map<std::string, long> Resources() const override {
    return {{"elements",
             Document().call<val>("getElementsByTagName", std::string("*"))["length"].as<long>()},
            {"values held", val::module_property("count_emval_handles")().as<long>()}};
  }

 private:
  static std::vector<val> Fields(std::string_view window, std::string_view comboBox) {
    std::vector<val> fields;
    for (const val& box : Named(window, comboBox)) {
      fields.push_back(box.call<val>("querySelector", std::string("[role=combobox]")));
    }
    return fields;
  }

  web::WebRuntime runtime_;
};

}  // namespace

std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob) {
  return std::make_unique<WebDesktop>(std::move(makePrintJob));
}

}  // namespace korvanel::test
