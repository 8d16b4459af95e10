#include "platform/web/ComboBox.h"

#include <algorithm>

namespace korvanel::web {

namespace {

std::string EntryId(const std::string& listId, int index) {
  return listId + "-" + std::to_string(index);
}

}  // namespace

WebComboBox::WebComboBox(const std::string& id)
    : box_(MakeElement("div", "combo")),
      field_(MakeElement("input", "combo-text")),
      button_(MakeElement("button", "combo-open")),
      list_(MakeElement("ul", "combo-list")),
      entryModel_(MakeElement("li")),
      id_(id) {
  SetAttribute(entryModel_, "role", "option");
  SetAttribute(entryModel_, "aria-selected", "false");
  SetAttribute(field_, "type", "text");
  SetAttribute(field_, "role", "combobox");
  SetAttribute(field_, "aria-autocomplete", "none");
  SetAttribute(field_, "aria-expanded", "false");
  SetAttribute(field_, "aria-controls", id_);
  SetAttribute(field_, "autocomplete", "off");
  SetAttribute(field_, "spellcheck", "false");
  SetAttribute(button_, "type", "button");
  SetAttribute(button_, "tabindex", "-1");
  SetAttribute(button_, "aria-controls", id_);
  SetAttribute(button_, "aria-expanded", "false");
  SetAttribute(list_, "id", id_);
  SetAttribute(list_, "role", "listbox");
  list_.set("hidden", true);
  Append(box_, field_, button_, list_);

  listeners_.Listen(field_, "keydown", [this](val event) { OnKey(event); });
  listeners_.Listen(field_, "blur", [this](val) { Close(); });
  // A press on the list or the button keeps the focus in the text.
  for (const val& keepsFocus : {button_, list_}) {
    listeners_.Listen(keepsFocus, "pointerdown",
                      [](val event) { event.call<void>("preventDefault"); });
  }
  // A finger's press beside the text, inside the box's widened hit area.
  listeners_.Listen(box_, "pointerdown", [this](val event) {
    if (event["target"].strictlyEquals(box_)) field_.call<void>("focus");
  });
  listeners_.Listen(button_, "click", [this](val) {
    if (IsOpen()) {
      Close();
    } else {
      field_.call<void>("focus");
      Open();
    }
  });
  listeners_.Listen(list_, "click", [this](val event) {
    const int index = EntryAt(event["target"]);
    if (index >= 0) Pick(index);
  });
}

void WebComboBox::AppendEntry(std::string_view text) {
  const int index = static_cast<int>(Entries().size());
  // A copy of the first entry, its role and state with it: fewer calls on
  // the page for each.
  val entry = entryModel_.call<val>("cloneNode", false);
  entry.set("id", EntryId(id_, index));
  web::SetText(entry, text);
  Append(list_, entry);
}

void WebComboBox::RemoveEntries() {
  Close();
  list_.call<void>("replaceChildren");
  current_ = -1;
}

void WebComboBox::ShowText(std::string_view text, std::optional<std::size_t> entry) {
  field_.set("value", JsText(text));
  current_ = entry ? static_cast<int>(*entry) : -1;
}

std::string WebComboBox::Text() const { return field_["value"].as<std::string>(); }

void WebComboBox::NameBy(const std::string& labelId) {
  for (const val& named : {field_, button_, list_}) SetAttribute(named, "aria-labelledby", labelId);
}

bool WebComboBox::IsOpen() const { return !list_["hidden"].as<bool>(); }

void WebComboBox::Open() {
  if (IsOpen() || Entries().empty()) return;
  list_.set("hidden", false);
  ToggleClass(box_, "open", true);
  SetAttribute(field_, "aria-expanded", "true");
  SetAttribute(button_, "aria-expanded", "true");
  // The list opens on the entry the text is, as on the desktop.
  MarkEntry(current_);
}

void WebComboBox::Close() {
  if (!IsOpen()) return;
  MarkEntry(-1);
  list_.set("hidden", true);
  ToggleClass(box_, "open", false);
  SetAttribute(field_, "aria-expanded", "false");
  SetAttribute(button_, "aria-expanded", "false");
}

void WebComboBox::MarkEntry(int index) {
  if (active_ >= 0) {
    val entry = list_["children"][active_];
    ToggleClass(entry, "active", false);
    SetAttribute(entry, "aria-selected", "false");
  }
  active_ = index;
  if (active_ < 0) {
    field_.call<void>("removeAttribute", std::string("aria-activedescendant"));
    return;
  }
  // The entry moved through is the selected option of the list box.
  val entry = list_["children"][active_];
  ToggleClass(entry, "active", true);
  SetAttribute(entry, "aria-selected", "true");
  SetAttribute(field_, "aria-activedescendant", EntryId(id_, active_));
  val where = val::object();
  where.set("block", std::string("nearest"));
  entry.call<void>("scrollIntoView", where);
}

void WebComboBox::Pick(int index) {
  SetText(Entries()[static_cast<std::size_t>(index)]);
  Close();
  // The text changed as if typed: the field selects it all, ready to type over.
  field_.call<void>("select");
}

void WebComboBox::OnKey(val event) {
  const std::string key = event["key"].as<std::string>();
  const int last = static_cast<int>(Entries().size()) - 1;
  const auto consume = [&event] {
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
  };
  if (key == "ArrowDown" || key == "ArrowUp") {
    consume();
    if (!IsOpen()) {
      Open();
      if (active_ < 0) MarkEntry(key == "ArrowDown" ? 0 : last);
      return;
    }
    if (event["altKey"].as<bool>()) {
      // Alt+Up closes the list, Alt+Down leaves it open.
      if (key == "ArrowUp") Close();
      return;
    }
    const int step = key == "ArrowDown" ? 1 : -1;
    MarkEntry(active_ < 0 ? (step > 0 ? 0 : last) : std::clamp(active_ + step, 0, last));
  } else if (key == "Enter" && IsOpen()) {
    consume();
    if (active_ >= 0) {
      Pick(active_);
    } else {
      Close();
    }
  } else if (key == "Escape" && IsOpen()) {
    consume();
    Close();
  } else if (key == "Tab") {
    Close();
  }
}

int WebComboBox::EntryAt(val target) const {
  for (std::size_t index = 0; index < Entries().size(); ++index) {
    if (list_["children"][index].strictlyEquals(target)) return static_cast<int>(index);
  }
  return -1;
}

WebDropDownList::WebDropDownList(std::function<void()> changed)
    : select_(MakeElement("select", "dropdown")) {
  listeners_.Listen(select_, "change", [changed = std::move(changed)](val) { changed(); });
}

std::string WebDropDownList::Text() const {
  const val picked = select_["selectedOptions"][0];
  return picked.isUndefined() ? std::string() : picked["textContent"].as<std::string>();
}

void WebDropDownList::AppendEntry(std::string_view text) {
  val option = MakeElement("option");
  web::SetText(option, text);
  Append(select_, option);
}

void WebDropDownList::RemoveEntries() { select_.call<void>("replaceChildren"); }

void WebDropDownList::ShowText(std::string_view, std::optional<std::size_t> entry) {
  // A drop-down list shows its current entry only.
  select_.set("selectedIndex", entry ? static_cast<int>(*entry) : -1);
}

}  // namespace korvanel::web
