#pragma once

#include <vector>

#include "platform/ListControl.h"
#include "platform/WindowDesign.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// The list control as a table: a header row with the design's column texts,
// left-aligned columns of fixed width in the list's font, rows in the order
// they were added, every blank kept. The table takes the focus, also from a
// press on its box below the rows, and its box scrolls under the header
// row.
class ReportList : public ListControl {
 public:
  // Its columns as `design` gives them.
  explicit ReportList(const ControlDesign& design);

  const val& Box() const { return box_; }
  const val& Table() const { return table_; }

 private:
  void RemoveRows() override;
  void AppendRow(std::string_view text) override;
  void SetCell(std::size_t row, SubItem subItem, std::string_view text) override;

  val box_;
  val table_;
  val body_;
  std::size_t columns_;
  // The cells of each row, kept so that setting one is one call on the page.
  std::vector<std::vector<val>> cells_;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
