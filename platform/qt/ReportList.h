#pragma once

#include <QTreeWidget>

#include "platform/ListControl.h"
#include "platform/WindowDesign.h"

namespace korvanel::qt {

// The list control in report view: a header row and left-aligned columns of
// fixed width in the list font, rows in the order they were added, never
// sorted. Reading rows back is left to QTreeWidget; the program never does.
class ReportList : public QTreeWidget, public ListControl {
 public:
  // Placed and named as `design` says, with its columns.
  ReportList(QWidget& parent, const ControlDesign& design);

 private:
  void RemoveRows() override { clear(); }
  void AppendRow(std::string_view text) override;
  void SetCell(std::size_t row, SubItem subItem, std::string_view text) override;
};

}  // namespace korvanel::qt
