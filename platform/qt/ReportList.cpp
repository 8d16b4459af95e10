#include "platform/qt/ReportList.h"

#include <QHeaderView>
#include <QString>

#include <string>

#include "platform/ControlError.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"
#include "platform/qt/Twips.h"

namespace korvanel::qt {

ReportList::ReportList(QWidget& parent, std::string_view name, int left, int top, int width,
                       int height, std::span<const ListColumn> columns)
    : QTreeWidget(&parent) {
  setObjectName(Utf8Text(name));
  setGeometry(TwipsRect(left, top, width, height));
  setFont(ListFont());
  setRootIsDecorated(false);
  setSortingEnabled(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setColumnCount(static_cast<int>(columns.size()));
  header()->setStretchLastSection(false);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header()->setSectionsMovable(false);
  int column = 0;
  for (const ListColumn& design : columns) {
    headerItem()->setText(column, Utf8Text(design.header));
    setColumnWidth(column, Px(design.width));
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
