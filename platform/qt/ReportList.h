#pragma once

#include <QTreeWidget>

#include <initializer_list>

#include "platform/ListControl.h"

namespace korvanel::qt {

// A header text and a width in twips, fixed by a window's design.
struct ReportColumn {
  const char* header;
  int widthTwips;
};

// The list control in report view: a header row and left-aligned columns of
// fixed width in the list font, rows in the order they were added, never
// sorted. Reading rows back is left to QTreeWidget; the program never does.
class ReportList : public QTreeWidget, public ListControl {
 public:
  ReportList(QWidget& parent, const char* name, int left, int top, int width, int height,
             std::initializer_list<ReportColumn> columns);

  void RemoveAll() override;
  ItemId AddItem(std::string_view text) override;
  void SetSubItem(ItemId item, SubItem subItem, std::string_view text) override;
};

}  // namespace korvanel::qt
