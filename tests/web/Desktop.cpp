// The user on the web runtime: windows and controls found in the page by
// their design names (data-name), driven as a user drives them: clicks,
// typing as input events, Enter and Tab as key events, the close box, OK on
// message boxes; and read back from what the page shows. Between two
// actions the page's own tasks (the deletion of closed windows) run, as the
// page's event loop runs them between a user's actions (desktop.js).
#include <emscripten/val.h>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FocusMemory.h"
#include "platform/web/Runtime.h"
#include "tests/desktop/Desktop.h"
#include "tests/desktop/KeptFiles.h"

namespace korvanel::test {
namespace {

using emscripten::val;

val Document() { return val::global("document"); }

bool Exists(const val& element) { return !element.isNull() && !element.isUndefined(); }

std::vector<val> All(const val& root, const std::string& selector) {
  const val found = root.call<val>("querySelectorAll", selector);
  std::vector<val> elements;
  const int count = found["length"].as<int>();
  for (int i = 0; i < count; ++i) elements.push_back(found[i]);
  return elements;
}

val First(const val& root, const std::string& selector) {
  return root.call<val>("querySelector", selector);
}

std::string Named(std::string_view name) { return "[data-name=\"" + std::string(name) + "\"]"; }

std::string TextOf(const val& element) { return element["textContent"].as<std::string>(); }

std::string TagOf(const val& element) { return element["tagName"].as<std::string>(); }

std::vector<val> ShownWindows(std::string_view window) {
  return All(Document(), "section.window" + Named(window));
}

val ClientOf(const val& shown) { return First(shown, ".client"); }

// A control of the first shown window of that name, or null.
val ControlOf(std::string_view window, std::string_view control) {
  for (const val& shown : ShownWindows(window)) return First(ClientOf(shown), Named(control));
  return val::null();
}

// The part of a control that takes the focus: itself (a button, a text
// box, a drop-down list), the text field of a combo box, the table of a list.
val FocusPartOf(const val& control) {
  if (control["tabIndex"].as<int>() >= 0) return control;
  for (const val& part : All(control, "*")) {
    if (part["tabIndex"].as<int>() >= 0) return part;
  }
  return control;
}

// What the browser's Tab key goes through: focusable, not taken out of the
// order by tabindex=-1, enabled and shown.
bool IsTabStop(const val& element) {
  return element["tabIndex"].as<int>() >= 0 && !element["disabled"].as<bool>() &&
         element.call<val>("getClientRects")["length"].as<int>() > 0;
}

val NewEvent(const char* kind, const char* type, val init) {
  init.set("bubbles", true);
  init.set("cancelable", true);
  return val::global(kind).new_(std::string(type), init);
}

// Dispatches `event` on `target`; false when a listener prevented the
// browser's default action.
bool Dispatch(const val& target, const val& event) {
  return target.call<bool>("dispatchEvent", event);
}

bool Key(const val& target, const char* type, const char* key, bool shift = false) {
  val init = val::object();
  init.set("key", std::string(key));
  init.set("code", std::string(key));
  init.set("shiftKey", shift);
  return Dispatch(target, NewEvent("KeyboardEvent", type, init));
}

void Press(const val& target, const char* type) {
  val init = val::object();
  init.set("pointerId", 1);
  init.set("pointerType", std::string("mouse"));
  init.set("isPrimary", true);
  init.set("button", 0);
  init.set("buttons", std::string(type) == "pointerdown" ? 1 : 0);
  Dispatch(target, NewEvent("PointerEvent", type, init));
}

// Keys go to the active window: unless the focus is in it, the user first
// presses an empty spot of its client area, which brings it forward with
// the focus where it was in it.
void Activate(const val& shown) {
  if (shown.call<bool>("contains", Document()["activeElement"])) return;
  const val client = ClientOf(shown);
  Press(client, "pointerdown");
  Press(client, "pointerup");
}

// Where the browser's Tab (or Shift+Tab) goes from `from`: the next tab
// stop of the client area in the elements' order, round to the first.
val NextTabStop(const val& shown, const val& from, bool backwards) {
  std::vector<val> stops;
  for (val& element : All(ClientOf(shown), "*")) {
    if (IsTabStop(element)) stops.push_back(std::move(element));
  }
  FocusMemory<val> order;
  order.SetTabOrder(stops);
  const auto at = order.PositionOf([&from](const val& stop) { return stop.strictlyEquals(from); });
  return order.Next(at, backwards ? -1 : 1, [](const val&) { return true; }).value_or(val::null());
}

// The place of `element` in pixels from the top-left corner of the inside
// of `client`, as the page lays them out.
PixelBox PlaceIn(const val& client, const val& element) {
  const val area = client.call<val>("getBoundingClientRect");
  const val box = element.call<val>("getBoundingClientRect");
  const double left = area["left"].as<double>() + client["clientLeft"].as<double>();
  const double top = area["top"].as<double>() + client["clientTop"].as<double>();
  const auto whole = [](double pixels) { return static_cast<int>(std::lround(pixels)); };
  return {whole(box["left"].as<double>() - left), whole(box["top"].as<double>() - top),
          whole(box["width"].as<double>()), whole(box["height"].as<double>())};
}

class WebDesktop : public Desktop {
 public:
  explicit WebDesktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob), kept_.Savers()) {
    // The program before this one in the page may have ended.
    Ending().set("hidden", true);
  }

  WindowRuntime& Runtime() override { return runtime_; }

  // A menu item is clicked in its menu, opened by its title first.
  void Click(std::string_view window, std::string_view control) override {
    for (const val& shown : ShownWindows(window)) {
      const val target = First(shown, Named(control));
      if (!Exists(target)) continue;
      const val menu = target.call<val>("closest", std::string(".menu"));
      if (Exists(menu) && menu["hidden"].as<bool>()) {
        First(menu["parentElement"], ".menu-title").call<void>("click");
      }
      target.call<void>("click");
    }
  }
  void Type(std::string_view window, std::string_view box, std::string_view text) override {
    for (const val& shown : ShownWindows(window)) {
      val control = First(ClientOf(shown), Named(box));
      if (!Exists(control)) continue;
      val field = TagOf(control) == "INPUT" ? control : First(control, "input");
      field.set("value", std::string(text));
      val init = val::object();
      init.set("inputType", std::string("insertText"));
      init.set("data", std::string(text));
      Dispatch(field, NewEvent("InputEvent", "input", init));
    }
  }
  // A drop-down list box is a select of the page: the browser tells its
  // change. An entry of a combo box is clicked in its opened list.
  void Pick(std::string_view window, std::string_view comboBox, int entry) override {
    for (const val& shown : ShownWindows(window)) {
      val control = First(ClientOf(shown), Named(comboBox));
      if (!Exists(control)) continue;
      if (TagOf(control) == "SELECT") {
        control.set("selectedIndex", entry);
        Dispatch(control, NewEvent("Event", "input", val::object()));
        Dispatch(control, NewEvent("Event", "change", val::object()));
        continue;
      }
      if (First(control, "[role=listbox]")["hidden"].as<bool>()) {
        First(control, ".combo-open").call<void>("click");
      }
      const std::vector<val> entries = All(control, "[role=option]");
      if (entry >= 0 && entry < static_cast<int>(entries.size())) {
        entries[static_cast<std::size_t>(entry)].call<void>("click");
      }
    }
  }
  // The user clicks into the control first. The browser's own Enter on a
  // button, which untrusted events do not have, clicks it.
  void PressEnter(std::string_view window, std::string_view control) override {
    for (const val& shown : ShownWindows(window)) {
      const val target = First(ClientOf(shown), Named(control));
      if (!Exists(target)) continue;
      Activate(shown);
      const val focus = FocusPartOf(target);
      focus.call<void>("focus");
      if (Key(focus, "keydown", "Enter") && TagOf(focus) == "BUTTON") focus.call<void>("click");
      Key(Document()["activeElement"], "keyup", "Enter");
    }
  }
  // The browser moves the focus unless the page takes the key itself.
  void PressTab(std::string_view window, bool backwards) override {
    for (const val& shown : ShownWindows(window)) {
      Activate(shown);
      const val from = Document()["activeElement"];
      if (Key(from, "keydown", "Tab", backwards)) {
        const val to = NextTabStop(shown, from, backwards);
        if (Exists(to)) to.call<void>("focus");
      }
      Key(Document()["activeElement"], "keyup", "Tab", backwards);
    }
  }
  void CloseBox(std::string_view window) override {
    for (const val& shown : ShownWindows(window)) {
      First(shown, ".titlebar .close").call<void>("click");
    }
  }
  // The user answers every message box with OK, then the page's tasks run,
  // until neither is left.
  void Settle() override {
    for (int round = 0; round < 100; ++round) {
      const std::vector<val> boxes = All(Document(), "section.window[role=alertdialog]");
      for (const val& box : boxes) {
        messages_.push_back(TextOf(First(box, ".message-text")));
        First(box, ".message-ok").call<void>("click");
      }
      if (!val::global("runDesktopTasks")().as<bool>() && boxes.empty()) return;
    }
    ADD_FAILURE() << "the page keeps showing message boxes or queueing tasks";
  }

  int Shown(std::string_view window) const override {
    return static_cast<int>(ShownWindows(window).size());
  }
  std::string Caption(std::string_view window) const override {
    for (const val& shown : ShownWindows(window)) return TextOf(First(shown, ".titlebar .caption"));
    return "";
  }
  // What a text field holds, the picked entry of a drop-down list, else the
  // control's text.
  std::string Text(std::string_view window, std::string_view control) const override {
    const val shown = ControlOf(window, control);
    if (!Exists(shown)) return "";
    if (TagOf(shown) == "INPUT") return shown["value"].as<std::string>();
    if (TagOf(shown) == "SELECT") {
      const val picked = shown["options"][shown["selectedIndex"]];
      return Exists(picked) ? TextOf(picked) : "";
    }
    const val field = First(shown, "input");
    return Exists(field) ? field["value"].as<std::string>() : TextOf(shown);
  }
  std::vector<std::vector<std::string>> Rows(std::string_view window,
                                             std::string_view list) const override {
    std::vector<std::vector<std::string>> rows;
    for (const val& shown : ShownWindows(window)) {
      for (const val& row : All(shown, ".client " + Named(list) + " tbody tr")) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (const val& cell : All(row, "td")) cells.push_back(TextOf(cell));
      }
    }
    return rows;
  }
  std::vector<std::string> Entries(std::string_view window,
                                   std::string_view comboBox) const override {
    std::vector<std::string> entries;
    for (const val& shown : ShownWindows(window)) {
      for (const val& entry :
           All(shown, ".client " + Named(comboBox) + " :is(option, [role=option])")) {
        entries.push_back(TextOf(entry));
      }
    }
    return entries;
  }
  // A combo box shows its current entry only in its open list: the user
  // opens it, reads it and closes it again, the focus put back.
  int CurrentEntry(std::string_view window, std::string_view comboBox) const override {
    const val box = ControlOf(window, comboBox);
    if (!Exists(box)) return -1;
    if (TagOf(box) == "SELECT") return box["selectedIndex"].as<int>();
    const val focus = Document()["activeElement"];
    const val opener = First(box, ".combo-open");
    const bool closed = First(box, "[role=listbox]")["hidden"].as<bool>();
    if (closed) opener.call<void>("click");
    int current = -1;
    const std::vector<val> entries = All(box, "[role=option]");
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].call<val>("getAttribute", std::string("aria-selected")).as<std::string>() ==
          "true") {
        current = static_cast<int>(i);
      }
    }
    if (closed) {
      opener.call<void>("click");
      if (!focus.strictlyEquals(Document()["activeElement"])) {
        if (Exists(focus) && !focus.strictlyEquals(Document()["body"])) {
          focus.call<void>("focus");
        } else {
          Document()["activeElement"].call<void>("blur");
        }
      }
    }
    return current;
  }
  // The control of the window's client area that holds the page's focus,
  // itself or a part of it.
  std::string Focused(std::string_view window) const override {
    for (const val& shown : ShownWindows(window)) {
      const val client = ClientOf(shown);
      val focus = Document()["activeElement"];
      if (!Exists(focus) || focus.strictlyEquals(client) || !client.call<bool>("contains", focus)) {
        return "";
      }
      while (!focus["parentElement"].strictlyEquals(client)) focus = focus["parentElement"];
      const val name = focus.call<val>("getAttribute", std::string("data-name"));
      return name.isString() ? name.as<std::string>() : "";
    }
    return "";
  }
  std::vector<std::string> Messages() override { return std::exchange(messages_, {}); }
  bool Ended() const override { return !Ending()["hidden"].as<bool>(); }
  std::string DrawingName(std::string_view window, std::string_view drawing) const override {
    const val shown = ControlOf(window, drawing);
    if (!Exists(shown)) return "";
    const val name = shown.call<val>("getAttribute", std::string("aria-label"));
    return name.isString() ? name.as<std::string>() : "";
  }
  // Each line drawn is a subpath of its own.
  int DrawnLines(std::string_view window, std::string_view drawing) const override {
    const val shown = ControlOf(window, drawing);
    if (!Exists(shown)) return 0;
    int lines = 0;
    for (const val& path : All(shown, "path")) {
      const val commands = path.call<val>("getAttribute", std::string("d"));
      if (!commands.isString()) continue;
      for (const char command : commands.as<std::string>()) lines += command == 'M' ? 1 : 0;
    }
    return lines;
  }
  void AnswerSaves(std::optional<std::string> fileName) override {
    kept_.Answer(std::move(fileName));
  }
  std::optional<std::string> Saved(const std::string& fileName) const override {
    return kept_.Saved(fileName);
  }

  // CSS pixels are 96 to the inch whatever the screen: the browser's zoom
  // and the screen's density scale them all alike.
  int Dpi(std::string_view) const override { return kStandardDpi; }
  PixelBox ClientArea(std::string_view window) const override {
    for (const val& shown : ShownWindows(window)) {
      const val client = ClientOf(shown);
      return {0, 0, client["clientWidth"].as<int>(), client["clientHeight"].as<int>()};
    }
    return {};
  }
  PixelBox Place(std::string_view window, std::string_view control) const override {
    for (const val& shown : ShownWindows(window)) {
      const val placed = First(ClientOf(shown), Named(control));
      return Exists(placed) ? PlaceIn(ClientOf(shown), placed) : PixelBox{};
    }
    return {};
  }
  // A line goes through the middles of its end pixels, in a drawing laid
  // over the client area.
  std::vector<Point> Ends(std::string_view window, std::string_view line) const override {
    for (const val& shown : ShownWindows(window)) {
      const val drawn = First(ClientOf(shown), "svg.lines > line" + Named(line));
      if (!Exists(drawn)) return {};
      const PixelBox drawing = PlaceIn(ClientOf(shown), drawn["ownerSVGElement"]);
      const auto end = [&](const char* x, const char* y) {
        const auto at = [&](const char* coordinate, int origin) {
          const double middle = drawn[coordinate]["baseVal"]["value"].as<double>();
          return origin + static_cast<int>(std::lround(middle - 0.5));
        };
        return Point{at(x, drawing.left), at(y, drawing.top)};
      };
      return {end("x1", "y1"), end("x2", "y2")};
    }
    return {};
  }
  std::vector<Column> Columns(std::string_view window, std::string_view list) const override {
    std::vector<Column> columns;
    const val shown = ControlOf(window, list);
    if (!Exists(shown)) return columns;
    const std::vector<val> widths = All(shown, "col");
    const std::vector<val> headers = All(shown, "thead th");
    const val style = val::global("getComputedStyle");
    for (std::size_t i = 0; i < headers.size() && i < widths.size(); ++i) {
      const double width = val::global("parseFloat")(style(widths[i])["width"]).as<double>();
      columns.push_back({TextOf(headers[i]), static_cast<int>(std::lround(width))});
    }
    return columns;
  }
  // An item's shortcut, where it has one, is a part of its own.
  std::vector<Menu> Menus(std::string_view window) const override {
    std::vector<Menu> menus;
    for (const val& shown : ShownWindows(window)) {
      for (const val& title : All(shown, ".menubar .menu-title")) {
        Menu& menu = menus.emplace_back(Menu{TextOf(title), {}});
        for (const val& item : All(title["parentElement"], ".menu > *")) {
          if (item["classList"].call<bool>("contains", std::string("menu-separator"))) {
            menu.items.emplace_back("-");
            continue;
          }
          const val shortcut = First(item, ".menu-shortcut");
          if (!Exists(shortcut)) {
            menu.items.push_back(TextOf(item));
            continue;
          }
          std::string text = TextOf(item);
          text.resize(text.size() - TextOf(shortcut).size());
          menu.items.push_back(text + '\t' + TextOf(shortcut));
        }
      }
    }
    return menus;
  }

  // The page's elements, and the JavaScript values C++ holds (each
  // listener of the runtime is one).
  std::map<std::string, long> Resources() const override {
    return {{"elements",
             Document().call<val>("getElementsByTagName", std::string("*"))["length"].as<long>()},
            {"values held", val::module_property("count_emval_handles")().as<long>()}};
  }

 private:
  static val Ending() { return Document().call<val>("getElementById", std::string("ended")); }

  KeptFiles kept_;
  std::vector<std::string> messages_;
  web::WebRuntime runtime_;
};

}  // namespace

std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob) {
  return std::make_unique<WebDesktop>(std::move(makePrintJob));
}

}  // namespace korvanel::test
