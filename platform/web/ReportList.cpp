#include "platform/web/ReportList.h"

#include <string>

#include "platform/Twips.h"

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

void ReportList::RemoveRows() {
  body_.call<void>("replaceChildren");
  cells_.clear();
}

void ReportList::AppendRow(std::string_view text) {
  val row = body_.call<val>("insertRow");
  std::vector<val>& cells = cells_.emplace_back();
  for (std::size_t column = 0; column < columns_; ++column) {
    cells.push_back(row.call<val>("insertCell"));
  }
  if (columns_ > 0) SetText(cells.front(), text);
}

void ReportList::SetCell(std::size_t row, SubItem subItem, std::string_view text) {
  const auto column = static_cast<std::size_t>(subItem);
  if (column < columns_) SetText(cells_[row][column], text);
}

}  // namespace korvanel::web
