#include "core/FretList.h"

#include "core/modPublico.h"

namespace korvanel {

void FillFretList(FretTable& table, ListControl& list) {
  using SubItem = ListControl::SubItem;
  list.RemoveAll();
  for (table.FretIndex = 0; table.FretIndex <= kFretCount; ++table.FretIndex) {
    const auto row = list.AddItem(FormatFretNumber(table.FretIndex));
    list.SetSubItem(row, SubItem::First, FormatStepDistance(table.StepDistance[table.FretIndex]));
    list.SetSubItem(row, SubItem::Second,
                    FormatWholeDistance(table.WholeDistance[table.FretIndex]));
  }
  const auto gap = list.AddItem("");
  list.SetSubItem(gap, SubItem::First, "");
  list.SetSubItem(gap, SubItem::Second, "");
  const auto bridge = list.AddItem(" Bridge");
  list.SetSubItem(bridge, SubItem::First, FormatStepDistance(BridgeRemainder(table)));
  list.SetSubItem(bridge, SubItem::Second, FormatWholeDistance(table.ScaleLength));
}

}  // namespace korvanel
