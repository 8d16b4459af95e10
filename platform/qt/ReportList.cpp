#include "platform/qt/ReportList.h"

#include <QHeaderView>
#include <QString>

#include <string>

#include "platform/ControlError.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Twips.h"

namespace korvanel::qt {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ReportList::ReportList(QWidget& parent, const char* name, int left, int top, int width, int height,
                       std::initializer_list<ReportColumn> columns)
    : QTreeWidget(&parent) {
  setObjectName(QString::fromLatin1(name));
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
  for (const ReportColumn& design : columns) {
    headerItem()->setText(column, QString::fromLatin1(design.header));
    setColumnWidth(column, Px(design.widthTwips));
    ++column;
  }
}

void ReportList::RemoveAll() { clear(); }

ListControl::ItemId ReportList::AddItem(std::string_view text) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, Text(text));
  return static_cast<ItemId>(topLevelItemCount() - 1);
}

void ReportList::SetSubItem(ItemId item, SubItem subItem, std::string_view text) {
  if (item >= static_cast<ItemId>(topLevelItemCount())) {
    throw ControlError("The list has no row " + std::to_string(item) + ".");
  }
  topLevelItem(static_cast<int>(item))->setText(static_cast<int>(subItem), Text(text));
}

}  // namespace korvanel::qt
