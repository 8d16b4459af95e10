// The main window built by the Win32 runtime: lengths, Compute, Enter, the
// fret list and the message for a length too large.
#include <gtest/gtest.h>

#include <string>

#include "WindowTestSupport.h"
#include "tests/expected/FretRows650.h"

namespace korvanel::test {
namespace {

std::wstring Wide(const char* text) {
  return std::wstring(text, text + std::char_traits<char>::length(text));
}

Rows RowsFor650() {
  Rows rows;
  for (const auto& row : testing::kFretRows650)
    rows.push_back({Wide(row[0]), Wide(row[1]), Wide(row[2])});
  return rows;
}

class MainWindowTest : public ::testing::Test {
 protected:
  HWND Main() const { return program_.MainWindow(); }
  HWND Combo() const { return Child(Main(), L"ComboBox"); }
  HWND List() const { return Child(Main(), L"SysListView32"); }
  HWND Compute() const { return Child(Main(), L"Button", L"Compute"); }

  RunningProgram program_;
};

TEST_F(MainWindowTest, StartsWith650CurrentAmongTheFifteenLengthsAndAnEmptyList) {
  EXPECT_EQ(
      ComboEntries(Combo()),
      (std::vector<std::wstring>{L"600", L"605", L"610", L"615", L"620", L"625", L"630", L"635",
                                 L"640", L"645", L"650", L"655", L"660", L"665", L"670"}));
  EXPECT_EQ(TextOf(Combo()), L"650");
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), 10) << "650 is the list's current entry";
  EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(MainWindowTest, ComputeListsTheTwentySevenRowsOf650) {
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  EXPECT_EQ(ListRows(List()), RowsFor650());
  // A second Compute replaces the rows.
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  EXPECT_EQ(ListRows(List()).size(), 27u);
}

TEST_F(MainWindowTest, ComputeReadsATypedLength) {
  TypeInto(Combo(), L"647.7");
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  const Rows rows = ListRows(List());
  ASSERT_EQ(rows.size(), 27u);
  EXPECT_EQ(rows[26][0], L" Bridge");
  EXPECT_EQ(rows[26][2], L" 647.7");
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCOUNT, 0, 0), 15) << "typed text is not added";
}

TEST_F(MainWindowTest, ALengthTooLargeIsToldAndKeepsTheTable) {
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  TypeInto(Combo(), L"1E400");
  MessageBoxAnswerer answerer;
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"The scale length is too large.");
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Korvanel");
  EXPECT_EQ(answerer.Boxes()[0].owner, Main());
  EXPECT_EQ(ListRows(List()), RowsFor650());
}

TEST_F(MainWindowTest, FocusStartsOnComputeAndTabFollowsTheTabIndex) {
  EXPECT_EQ(GetFocus(), Compute());
  PressKey(GetFocus(), VK_TAB);
  program_.Pump();
  EXPECT_EQ(GetFocus(), List());
  PressKey(GetFocus(), VK_TAB);
  program_.Pump();
  EXPECT_TRUE(GetFocus() == Combo() || IsChild(Combo(), GetFocus())) << "the combo box's text";
  PressKey(GetFocus(), VK_TAB);
  program_.Pump();
  EXPECT_EQ(GetFocus(), Compute());
}

TEST_F(MainWindowTest, EnterInTheLengthTextComputes) {
  HWND edit = Child(Combo(), L"Edit");
  SetFocus(edit);
  TypeInto(Combo(), L"650");
  PressKey(edit, VK_RETURN);
  program_.Pump();
  EXPECT_EQ(ListRows(List()), RowsFor650());
}

TEST_F(MainWindowTest, EnterInTheListComputes) {
  SetFocus(List());
  PressKey(List(), VK_RETURN);
  program_.Pump();
  EXPECT_EQ(ListRows(List()).size(), 27u);
}

TEST_F(MainWindowTest, ScreenReadersNameTheBoxAfterItsLabelAndTheListAfterNone) {
  EXPECT_EQ(ScreenReaderLabel(Combo()), L"Scale Guitar Length");
  EXPECT_EQ(ScreenReaderLabel(List()), std::nullopt);
}

// Wine always shows focus rectangles and keeps no such state
// (WM_QUERYUISTATE answers 0): what is seen is the window being told.
TEST_F(MainWindowTest, TabShowsTheFocusRectangle) {
  SentMessages sent;
  PressKey(GetFocus(), VK_TAB);
  program_.Pump();
  EXPECT_EQ(GetFocus(), List());
  EXPECT_TRUE(sent.Received(Main(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)));
}

// Only top-level windows hear of new system colours from the system.
TEST_F(MainWindowTest, NewSystemColoursReachTheListAndItsHeader) {
  SentMessages sent;
  SendMessageW(Main(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_TRUE(sent.Received(List(), WM_SYSCOLORCHANGE, 0));
  EXPECT_TRUE(sent.Received(Child(List(), WC_HEADERW), WM_SYSCOLORCHANGE, 0));
}

TEST_F(MainWindowTest, MenusInDesignOrder) {
  EXPECT_EQ(MenuTexts(Main()), (std::vector<std::vector<std::wstring>>{
                                   {L"File", L"Print", L"-", L"Exit"},
                                   {L"?", L"Tension and Frequency", L"-", L"About"}}));
}

}  // namespace
}  // namespace korvanel::test
