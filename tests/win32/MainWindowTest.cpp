// The main window on the Win32 runtime beyond the behaviour every runtime
// shares (tests/behaviour): the message box's caption and owner, focus cues
// and the system's colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "WindowTestSupport.h"

namespace korvanel::test {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  HWND Main() const { return program_.MainWindow(); }
  HWND Combo() const { return Child(Main(), L"ComboBox"); }
  HWND List() const { return Child(Main(), L"SysListView32"); }
  HWND Compute() const { return Child(Main(), L"Button", L"Compute"); }

  RunningProgram program_;
};

TEST_F(MainWindowTest, AMessageIsABoxCaptionedKorvanelOverItsWindow) {
  TypeInto(Combo(), L"1E400");
  MessageBoxAnswerer answerer;
  SendMessageW(Compute(), BM_CLICK, 0, 0);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"The scale length is too large.");
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Korvanel");
  EXPECT_EQ(answerer.Boxes()[0].owner, Main());
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

}  // namespace
}  // namespace korvanel::test
