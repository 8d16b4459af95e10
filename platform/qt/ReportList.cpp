#include "platform/qt/ReportList.h"

#include <QHeaderView>
#include <QString>

#include <string>

#include "platform/ControlError.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"
#include "platform/qt/Twips.h"

namespace korvanel::qt {

ReportList::ReportList(QWidget& parent, const ControlDesign& design) : QTreeWidget(&parent) {
  PlaceControl(*this, design);
  setFont(ListFont());
  setRootIsDecorated(false);
  setSortingEnabled(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setColumnCount(static_cast<int>(design.columns.size()));
  header()->setStretchLastSection(false);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header()->setSectionsMovable(false);
  int column = 0;
  for (const ListColumn& columnDesign : design.columns) {
    headerItem()->setText(column, Utf8Text(columnDesign.header));
    setColumnWidth(column, Px(columnDesign.width));
    ++column;
  }
}

void ReportList::RemoveAll() { clear(); }

ListControl::ItemId ReportList::AddItem(std::string_view text) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, Utf8Text(text));
  return static_cast<ItemId>(topLevelItemCount() - 1);
}

void ReportList::SetSubItem(ItemId item, SubItem subItem, std::string_view text) {
  if (item >= static_cast<ItemId>(topLevelItemCount())) {
    throw ControlError("The list has no row " + std::to_string(item) + ".");
  }
  topLevelItem(static_cast<int>(item))->setText(static_cast<int>(subItem), Utf8Text(text));
}

}  // namespace korvanel::qt
