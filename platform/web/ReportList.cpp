#include "platform/web/ReportList.h"

#include <string>

#include "platform/ControlError.h"

namespace korvanel::web {

ReportList::ReportList(const ControlDesign& design)
    : box_(MakeElement("div", "list")),
      table_(MakeElement("table")),
      body_(MakeElement("tbody")),
      columns_(design.columns.size()) {
  SetAttribute(table_, "tabindex", "0");
  val columns = MakeElement("colgroup");
  val header = MakeElement("tr");
  for (const ListColumn& column : design.columns) {
    val width = MakeElement("col");
    SetPixels(width, "width", TwipsToPixels(column.width));
    Append(columns, width);
    val title = MakeElement("th");
    SetAttribute(title, "scope", "col");
    SetText(title, column.header);
    Append(header, title);
  }
  val head = MakeElement("thead");
  Append(head, header);
  Append(table_, columns, head, body_);
  Append(box_, table_);
  listeners_.Listen(box_, "pointerdown", [this](val event) {
    if (event["target"].strictlyEquals(box_)) table_.call<void>("focus");
  });
}

void ReportList::RemoveAll() {
  body_.call<void>("replaceChildren");
  cells_.clear();
}

ListControl::ItemId ReportList::AddItem(std::string_view text) {
  val row = body_.call<val>("insertRow");
  std::vector<val>& cells = cells_.emplace_back();
  for (std::size_t column = 0; column < columns_; ++column) {
    cells.push_back(row.call<val>("insertCell"));
  }
  if (columns_ > 0) SetText(cells.front(), text);
  return cells_.size() - 1;
}

void ReportList::SetSubItem(ItemId item, SubItem subItem, std::string_view text) {
  const auto column = static_cast<std::size_t>(subItem);
  if (item >= cells_.size() || column >= columns_) {
    throw ControlError("The list has no row " + std::to_string(item) + ".");
  }
  SetText(cells_[item][column], text);
}

}  // namespace korvanel::web
