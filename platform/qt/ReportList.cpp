#include "platform/qt/ReportList.h"

#include <QHeaderView>
#include <QString>

#include "platform/Twips.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"

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
    setColumnWidth(column, TwipsToPixels(columnDesign.width));
    ++column;
  }
}

void ReportList::AppendRow(std::string_view text) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, Utf8Text(text));
}

void ReportList::SetCell(std::size_t row, SubItem subItem, std::string_view text) {
  topLevelItem(static_cast<int>(row))->setText(static_cast<int>(subItem), Utf8Text(text));
}

}  // namespace korvanel::qt
