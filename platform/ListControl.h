#pragma once

#include <cstddef>
#include <string_view>

namespace korvanel {

// A list shown in report view: rows of an item text and two sub-items, kept
// in the order they were added. The program only writes to it; it never reads
// a row back. Every operation may fail with ControlError; setting a sub-item
// of a row the list does not have is one.
class ListControl {
 public:
  // Names a row in SetSubItem until the next RemoveAll.
  using ItemId = std::size_t;
  enum class SubItem { First = 1, Second = 2 };

  virtual ~ListControl() = default;

  void RemoveAll();
  // Adds a row at the end whose first column shows `text`.
  ItemId AddItem(std::string_view text);
  void SetSubItem(ItemId item, SubItem subItem, std::string_view text);

 protected:
  virtual void RemoveRows() = 0;
  virtual void AppendRow(std::string_view text) = 0;
  // `row` is one the list has.
  virtual void SetCell(std::size_t row, SubItem subItem, std::string_view text) = 0;

 private:
  std::size_t rows_ = 0;
};

}  // namespace korvanel
