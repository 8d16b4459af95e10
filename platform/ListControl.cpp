#include "platform/ListControl.h"

#include <string>

#include "platform/ControlError.h"

namespace korvanel {

void ListControl::RemoveAll() {
  RemoveRows();
  rows_ = 0;
}

ListControl::ItemId ListControl::AddItem(std::string_view text) {
  AppendRow(text);
  return rows_++;
}

void ListControl::SetSubItem(ItemId item, SubItem subItem, std::string_view text) {
  if (item >= rows_) throw ControlError("The list has no row " + std::to_string(item) + ".");
  SetCell(item, subItem, text);
}

}  // namespace korvanel
