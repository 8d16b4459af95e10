#pragma once

#include <cstddef>
#include <string_view>

namespace korvanel {

// A list shown in report view: rows of an item text and two sub-items, kept
// in the order they were added. The program only writes to it; it never reads
// a row back. Every operation may fail with ControlError.
class ListControl {
 public:
  using ItemId = std::size_t;
  enum class SubItem { First = 1, Second = 2 };

  virtual ~ListControl() = default;

  // Afterwards the list is empty.
  virtual void RemoveAll() = 0;
  // Adds a row at the end whose first column shows `text`; the id names that
  // row in SetSubItem until the next RemoveAll.
  virtual ItemId AddItem(std::string_view text) = 0;
  virtual void SetSubItem(ItemId item, SubItem subItem, std::string_view text) = 0;
};

}  // namespace korvanel
