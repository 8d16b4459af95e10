// The Tension and Frequency and the About windows on the Win32 runtime
// beyond the behaviour every runtime shares (tests/behaviour): the stacking
// of windows and of the drawn formula, keys, and what screen readers see.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "platform/win32/Line.h"

namespace korvanel::test {
namespace {

constexpr wchar_t kTension[] = L"Frequency and Tension";
constexpr wchar_t kAbout[] = L"About";

class InfoWindowsTest : public ::testing::Test {
 protected:
  void OpenTension() {
    ChooseMenu(program_.MainWindow(), L"?", L"Tension and Frequency");
    program_.Pump();
  }
  void OpenAbout() {
    ChooseMenu(program_.MainWindow(), L"?", L"About");
    program_.Pump();
  }
  static HWND Window(const wchar_t* caption) { return FindWindowW(L"KorvanelWindow", caption); }

  RunningProgram program_;
};

TEST_F(InfoWindowsTest, OpeningTensionAgainBringsItAboveAbout) {
  OpenTension();
  OpenAbout();
  const auto isAbove = [](HWND window, HWND other) {
    for (HWND below = GetWindow(window, GW_HWNDNEXT); below != nullptr;
         below = GetWindow(below, GW_HWNDNEXT)) {
      if (below == other) return true;
    }
    return false;
  };
  ASSERT_TRUE(isAbove(Window(kAbout), Window(kTension)));
  OpenTension();
  EXPECT_TRUE(isAbove(Window(kTension), Window(kAbout)));
  EXPECT_EQ(GetForegroundWindow(), Window(kTension));
}

TEST_F(InfoWindowsTest, AboutOpensWithTheFocusOnOkAndSpaceClosesIt) {
  OpenAbout();
  HWND ok = Child(Window(kAbout), L"Button", L"OK");
  EXPECT_EQ(GetFocus(), ok);
  PressKey(ok, VK_SPACE);
  program_.Pump();
  EXPECT_EQ(CountWindows(kAbout), 0);
}

TEST_F(InfoWindowsTest, EnterClicksTheFocusedButtonOnly) {
  OpenTension();
  for (WPARAM key : {VK_RETURN, VK_TAB, VK_RETURN}) {  // in the list, to Bye, on Bye
    EXPECT_EQ(CountWindows(kTension), 1);
    PressKey(GetFocus(), key);
    program_.Pump();
  }
  EXPECT_EQ(CountWindows(kTension), 0);
}

// Screen readers name a box or list after the nearest label above it in
// z-order.
TEST_F(InfoWindowsTest, EachNamedControlHasItsLabelJustAboveIt) {
  OpenTension();
  const auto labelAbove = [](HWND control) { return TextOf(GetWindow(control, GW_HWNDPREV)); };
  EXPECT_EQ(labelAbove(Child(Window(kTension), L"SysListView32")),
            L"Frequency of each string in a guitar:");
  EXPECT_EQ(labelAbove(Child(program_.MainWindow(), L"ComboBox")), L"Scale Guitar Length");
  EXPECT_EQ(GetWindow(Child(program_.MainWindow(), L"SysListView32"), GW_HWNDPREV), nullptr);
}

TEST_F(InfoWindowsTest, TheMainWindowStaysUsableWhileBothAreOpen) {
  OpenTension();
  OpenAbout();
  SendMessageW(Child(program_.MainWindow(), L"Button", L"Compute"), BM_CLICK, 0, 0);
  EXPECT_EQ(ListRows(Child(program_.MainWindow(), L"SysListView32")).size(), 27u);
  EXPECT_TRUE(IsWindowEnabled(program_.MainWindow()));
}

// The root signs cross the fraction bar's opaque label: each of their
// pixels there shows the line, not the label's background.
TEST_F(InfoWindowsTest, TheRootSignsAreDrawnAboveTheFractionBar) {
  OpenTension();
  HWND window = Window(kTension);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  program_.Pump(100);
  const RECT bar = PlaceOf(Child(window, L"Static", L"_____________________________________"));
  const auto at = [](int twips) { return Px(twips); };
  // Line6 and Line7, the upper sign's strokes.
  std::vector<POINT> pixels = win32::LinePixels({at(2280), at(1320)}, {at(2160), at(1080)});
  const std::vector<POINT> more = win32::LinePixels({at(2400), at(960)}, {at(2280), at(1320)});
  pixels.insert(pixels.end(), more.begin(), more.end());

  HDC dc = GetDCEx(window, nullptr, DCX_CACHE);
  int checked = 0;
  for (const POINT& pixel : pixels) {
    if (!PtInRect(&bar, pixel)) continue;
    EXPECT_EQ(GetPixel(dc, pixel.x, pixel.y), GetSysColor(COLOR_WINDOWTEXT))
        << "at " << pixel.x << "," << pixel.y;
    ++checked;
  }
  // Beside the strokes, the label's background shows.
  EXPECT_EQ(GetPixel(dc, bar.left + 1, bar.top + 1), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(window, dc);
  EXPECT_GT(checked, 5);
}

// Under a screen reader the lines are annotated as hidden, when it starts
// with a window open and for a window opened while it runs. Wine's oleacc
// keeps no annotations: what shows here is that the lines stay out of the
// way (disabled, never focused) and nothing breaks.
TEST_F(InfoWindowsTest, UnderAScreenReaderTheLinesAreNoControls) {
  OpenTension();
  SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, SPIF_SENDCHANGE);
  program_.Pump();
  SendMessageW(Child(Window(kTension), L"Button", L"Bye"), BM_CLICK, 0, 0);
  OpenTension();
  SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, 0);
  for (HWND line = FindWindowExW(Window(kTension), nullptr, L"KorvanelLine", nullptr);
       line != nullptr; line = FindWindowExW(Window(kTension), line, L"KorvanelLine", nullptr)) {
    EXPECT_FALSE(IsWindowEnabled(line));
  }
  EXPECT_EQ(CountWindows(kTension), 1);
}

}  // namespace
}  // namespace korvanel::test
