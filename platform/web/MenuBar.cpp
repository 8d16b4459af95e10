#include "platform/web/MenuBar.h"

#include <utility>

namespace korvanel::web {

namespace {

void Focus(const val& element) { element.call<void>("focus"); }

}  // namespace

MenuBar::MenuBar(std::function<void(std::string_view name)> choose)
    : choose_(std::move(choose)), bar_(MakeElement("div", "menubar")) {
  SetAttribute(bar_, "role", "menubar");
  listeners_.Listen(bar_, "keydown", [this](val event) { OnKey(event); });
  // A press anywhere else closes an open menu.
  listeners_.Listen(Document(), "pointerdown", [this](val event) {
    if (!Contains(event["target"])) CloseMenu();
  });
  listeners_.Listen(bar_, "focusout", [this](val event) {
    if (!Contains(event["relatedTarget"])) CloseMenu();
  });
}

val MenuBar::AddMenu(const MenuDesign& design) {
  Menu menu{MakeElement("button", "menu-title"), MakeElement("div", "menu"), {}};
  SetAttribute(menu.title, "type", "button");
  SetAttribute(menu.title, "role", "menuitem");
  SetAttribute(menu.title, "aria-haspopup", "menu");
  SetAttribute(menu.title, "aria-expanded", "false");
  SetAttribute(menu.title, "tabindex", "-1");
  SetText(menu.title, design.text);
  SetAttribute(menu.popup, "role", "menu");
  SetAttribute(menu.popup, "aria-label", design.text);
  menu.popup.set("hidden", true);
  val place = MakeElement("div", "menu-place");
  Append(place, menu.title, menu.popup);
  Append(bar_, place);

  const std::size_t index = menus_.size();
  listeners_.Listen(menu.title, "click", [this, index](val) {
    if (open_ == index) {
      CloseMenu();
    } else {
      if (focusBefore_.isNull() && !Contains(Document()["activeElement"])) {
        focusBefore_ = Document()["activeElement"];
      }
      Open(index, false);
    }
  });
  // With a menu open, pointing the mouse at another title opens that one. A
  // finger's tap enters the title just before it clicks it: the click opens
  // it.
  listeners_.Listen(menu.title, "pointerenter", [this, index](val event) {
    if (event["pointerType"].as<std::string>() != "mouse") return;
    if (open_ != kNone && open_ != index) Open(index, false);
  });
  val popup = menu.popup;
  menus_.push_back(std::move(menu));
  return popup;
}

void MenuBar::AddItem(const val& popup, const MenuItemDesign& design) {
  val item = MakeElement("button", "menu-item");
  SetAttribute(item, "type", "button");
  SetAttribute(item, "role", "menuitem");
  SetAttribute(item, "tabindex", "-1");
  SetAttribute(item, "data-name", design.name);
  SetText(item, design.text);
  Append(popup, item);
  menus_[MenuOf(popup)].items.push_back(item);
  listeners_.Listen(item, "click", [this, name = std::string(design.name)](val) { Choose(name); });
}

void MenuBar::AddSeparator(const val& popup) {
  val line = MakeElement("div", "menu-separator");
  SetAttribute(line, "role", "separator");
  Append(popup, line);
}

void MenuBar::Enter() {
  if (menus_.empty()) return;
  val focused = Document()["activeElement"];
  if (!Contains(focused)) focusBefore_ = focused;
  Focus(menus_.front().title);
}

bool MenuBar::Contains(const val& element) const {
  return !element.isNull() && !element.isUndefined() && bar_.call<bool>("contains", element);
}

void MenuBar::Open(std::size_t index, bool focusFirstItem) {
  CloseMenu();
  Menu& menu = menus_[index];
  menu.popup.set("hidden", false);
  SetAttribute(menu.title, "aria-expanded", "true");
  open_ = index;
  Focus(focusFirstItem && !menu.items.empty() ? menu.items.front() : menu.title);
}

void MenuBar::CloseMenu() {
  if (open_ == kNone) return;
  menus_[open_].popup.set("hidden", true);
  SetAttribute(menus_[open_].title, "aria-expanded", "false");
  open_ = kNone;
}

void MenuBar::Leave() {
  CloseMenu();
  val before = std::exchange(focusBefore_, val::null());
  if (!before.isNull() && !before.isUndefined()) {
    Focus(before);
  } else if (Contains(Document()["activeElement"])) {
    Document()["activeElement"].call<void>("blur");
  }
}

void MenuBar::OnKey(val event) {
  const val target = event["target"];
  const std::size_t menu = MenuOf(target);
  if (menu >= menus_.size()) return;
  const std::string key = event["key"].as<std::string>();
  const std::size_t count = menus_.size();
  const std::vector<val>& items = menus_[menu].items;
  std::size_t item = items.size();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].strictlyEquals(target)) item = i;
  }
  const bool onTitle = item == items.size();
  bool handled = true;
  if (key == "ArrowRight" || key == "ArrowLeft") {
    const std::size_t next = (menu + (key == "ArrowRight" ? 1 : count - 1)) % count;
    if (open_ != kNone) {
      Open(next, !onTitle);
    } else {
      Focus(menus_[next].title);
    }
  } else if (onTitle && (key == "ArrowDown" || key == "Enter" || key == " ")) {
    Open(menu, true);
  } else if (onTitle && key == "ArrowUp") {
    Open(menu, false);
    if (!items.empty()) Focus(items.back());
  } else if (!onTitle && (key == "ArrowDown" || key == "ArrowUp")) {
    const std::size_t step = key == "ArrowDown" ? 1 : items.size() - 1;
    Focus(items[(item + step) % items.size()]);
  } else if (!onTitle && (key == "Home" || key == "End")) {
    Focus(key == "Home" ? items.front() : items.back());
  } else if (key == "Escape") {
    if (open_ != kNone) {
      CloseMenu();
      Focus(menus_[menu].title);
    } else {
      Leave();
    }
  } else if (key == "Tab") {
    CloseMenu();
    focusBefore_ = val::null();
    handled = false;
  } else {
    handled = false;
  }
  if (handled) {
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
  }
}

void MenuBar::Choose(const std::string& name) {
  Leave();
  // The command may unload the window and this bar with it: nothing of it
  // is used afterwards.
  const auto choose = choose_;
  choose(name);
}

std::size_t MenuBar::MenuOf(const val& element) const {
  for (std::size_t index = 0; index < menus_.size(); ++index) {
    if (menus_[index].title.strictlyEquals(element) ||
        menus_[index].popup.call<bool>("contains", element)) {
      return index;
    }
  }
  return menus_.size();
}

}  // namespace korvanel::web
