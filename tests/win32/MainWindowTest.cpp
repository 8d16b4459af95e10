// The main window built by the Win32 runtime: lengths, Compute, Enter, the
// fret list and the message for a length too large.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "WindowTestSupport.h"
#include "tests/expected/FretTables.h"

namespace korvanel::test {
namespace {

// What the list view must hold for `scaleLength`: the rows the list was
// given (plain ASCII), every blank kept.
Rows ListedRows(double scaleLength) {
  Rows rows;
  for (const auto& row : test::FretListRows(scaleLength)) {
    auto& cells = rows.emplace_back();
    for (const std::string& cell : row) cells.emplace_back(cell.begin(), cell.end());
  }
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

TEST_F(MainWindowTest, ComputeShowsTheRowsOfThePickedOrTypedLength) {
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  EXPECT_EQ(ListRows(List()), ListedRows(650));
  TypeInto(Combo(), L"647.7");
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  EXPECT_EQ(ListRows(List()), ListedRows(647.7));
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
  EXPECT_EQ(ListRows(List()), ListedRows(650));
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
  EXPECT_EQ(ListRows(List()).size(), 27u);
}

TEST_F(MainWindowTest, EnterInTheListComputes) {
  SetFocus(List());
  PressKey(List(), VK_RETURN);
  program_.Pump();
  EXPECT_EQ(ListRows(List()).size(), 27u);
}

// Wine keeps no focus-cue state and its list view ignores new system colours:
// what is seen is what the windows are sent.
TEST_F(MainWindowTest, TabShowsFocusCuesAndNewSystemColoursReachTheList) {
  static std::vector<std::tuple<HWND, UINT, WPARAM>> sent;
  const auto record = [](int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    sent.emplace_back(message->hwnd, message->message, message->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  };
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, record, nullptr, GetCurrentThreadId());
  PressKey(GetFocus(), VK_TAB);
  program_.Pump();
  SendMessageW(Main(), WM_SYSCOLORCHANGE, 0, 0);
  UnhookWindowsHookEx(hook);
  const WPARAM showFocus = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
  EXPECT_EQ(std::ranges::count(sent, std::tuple{Main(), UINT{WM_CHANGEUISTATE}, showFocus}), 1);
  EXPECT_EQ(std::ranges::count(sent, std::tuple{List(), UINT{WM_SYSCOLORCHANGE}, WPARAM{0}}), 1);
}

TEST_F(MainWindowTest, MenusInDesignOrder) {
  EXPECT_EQ(MenuTexts(Main()), (std::vector<std::vector<std::wstring>>{
                                   {L"File", L"Print", L"-", L"Exit"},
                                   {L"?", L"Tension and Frequency", L"-", L"About"}}));
}

}  // namespace
}  // namespace korvanel::test
