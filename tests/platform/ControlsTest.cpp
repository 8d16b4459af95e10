// What every runtime's controls share: the list refuses a row it does not
// have, the combo box's current entry follows its text, and the keyboard's
// memory of a window; on the null runtime's controls.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/ControlError.h"
#include "platform/FocusMemory.h"
#include "platform/Fonts.h"
#include "platform/null/ComboBox.h"
#include "platform/null/ReportList.h"

namespace korvanel {
namespace {

TEST(ListControlTest, ASubItemOfARowTheListDoesNotHaveIsRefused) {
  null::NullReportList list;
  ListControl& control = list;
  EXPECT_THROW(control.SetSubItem(0, ListControl::SubItem::First, "x"), ControlError);
  EXPECT_EQ(control.AddItem("a"), 0u);
  EXPECT_EQ(control.AddItem("b"), 1u);
  control.SetSubItem(1, ListControl::SubItem::Second, "b2");
  EXPECT_THROW(control.SetSubItem(2, ListControl::SubItem::First, "x"), ControlError);
  control.RemoveAll();
  EXPECT_THROW(control.SetSubItem(0, ListControl::SubItem::First, "x"), ControlError);
  EXPECT_EQ(control.AddItem("again"), 0u);
  EXPECT_EQ(list.rows, (std::vector<null::NullReportList::Row>{{"again", "", ""}}));
}

TEST(ComboBoxTest, TheEntryOfTheSameTextCaseIncludedBecomesCurrent) {
  null::NullComboBox box;
  ComboBox& combo = box;
  for (const char* entry : {"Ab", "ab", "650"}) combo.AddItem(entry);
  combo.SetText("ab");
  EXPECT_EQ(box.current, 1u);
  combo.SetText("AB");
  EXPECT_EQ(box.current, std::nullopt);
  EXPECT_EQ(combo.Text(), "AB");
  combo.SetText("650");
  EXPECT_EQ(box.current, 2u);
}

TEST(FocusMemoryTest, TabGoesRoundPastRefusedControlsAndTheFocusComesBack) {
  FocusMemory<int> memory;
  const int order[] = {10, 20, 30};
  memory.SetTabOrder(order);
  const auto all = [](int) { return true; };
  EXPECT_EQ(memory.Next(std::nullopt, 1, all), 10);
  EXPECT_EQ(memory.Next(std::nullopt, -1, all), 30);
  EXPECT_EQ(memory.Next(2, 1, all), 10);
  EXPECT_EQ(memory.Next(0, -1, all), 30);
  EXPECT_EQ(memory.Next(0, 1, [](int control) { return control != 20; }), 30);
  EXPECT_EQ(memory.Next(0, 1, [](int) { return false; }), std::nullopt);
  EXPECT_EQ(memory.PositionOf([](int control) { return control == 30; }), 2u);

  EXPECT_EQ(memory.Restored(all), 10) << "nothing remembered: the first in tab order";
  memory.Remember(30);
  EXPECT_EQ(memory.Restored(all), 30);
  EXPECT_EQ(memory.Restored([](int control) { return control != 30; }), 10) << "gone since";

  EXPECT_EQ(memory.EnterClicks(std::nullopt), std::nullopt);
  memory.SetDefaultButton(20);
  EXPECT_EQ(memory.EnterClicks(std::nullopt), 20);
  EXPECT_EQ(memory.EnterClicks(30), 30) << "a focused button takes Enter itself";
}

TEST(FontsTest, PrintersTryTheFaceThenFixedPitchStandIns) {
  using Faces = std::vector<std::string_view>;
  EXPECT_EQ(PrintFaces("Fixedsys"),
            (Faces{"Fixedsys", "Courier New", "Liberation Mono", "DejaVu Sans Mono"}));
  EXPECT_EQ(PrintFaces("Courier New"),
            (Faces{"Courier New", "Liberation Mono", "DejaVu Sans Mono"}));
  EXPECT_EQ(DesignFaces(kDefaultFont), (Faces{"MS Sans Serif", "Microsoft Sans Serif"}));
  EXPECT_EQ(DesignFaces(kListFont), (Faces{"Courier New"}));
}

}  // namespace
}  // namespace korvanel
