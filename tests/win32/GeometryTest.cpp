// How the runtime lays its windows out at the screen's DPI beyond the
// design's places, which tests/behaviour checks: run at 96 dpi, and once
// more in a Wine prefix set to 144 dpi, with KORVANEL_EXPECT_DPI saying
// which.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "platform/win32/Form.h"
#include "ui/info/mAboutDesign.h"
#include "ui/info/mTensionDesign.h"
#include "ui/main/mMainDesign.h"
#include "ui/template/mTemplateDesign.h"

namespace korvanel::test {
namespace {

constexpr wchar_t kTension[] = L"Frequency and Tension";
constexpr wchar_t kAbout[] = L"About";
constexpr wchar_t kTemplate[] = L"Fret Template";

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

std::wstring Size(SIZE size) { return std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy); }
std::wstring Size(int twipsWidth, int twipsHeight) {
  return Size(SIZE{Px(twipsWidth), Px(twipsHeight)});
}

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};
void PrintTo(const Box& box, std::ostream* out) {
  *out << box.left << "," << box.top << " " << box.width << "x" << box.height;
}
int PxAt(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
Box Design(int left, int top, int width, int height, int dpi = Dpi()) {
  return {PxAt(left, dpi), PxAt(top, dpi), PxAt(width, dpi), PxAt(height, dpi)};
}
Box Placed(HWND control) {
  const RECT place = PlaceOf(control);
  return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

// Children of `window` from the top of the stacking order down.
std::vector<HWND> StackingOrder(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return name;
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* expected = std::getenv("KORVANEL_EXPECT_DPI")) {
      ASSERT_EQ(Dpi(), std::atoi(expected)) << "the Wine prefix is not at the expected DPI";
    }
  }
  HWND Main() const { return program_.MainWindow(); }
  HWND Open(const wchar_t* item, const wchar_t* caption, const wchar_t* menu = L"?") {
    ChooseMenu(Main(), menu, item);
    program_.Pump();
    return FindWindowW(L"KorvanelWindow", caption);
  }
  const win32::Win32Form& FormOf(HWND window) {
    for (const auto& form : program_.Runtime().LoadedForms()) {
      const auto& loaded = static_cast<const win32::Win32Form&>(*form);
      if (loaded.Handle() == window) return loaded;
    }
    throw std::runtime_error("no form of that window");
  }

  RunningProgram program_;
};

TEST_F(GeometryTest, WindowsAreOrdinarySizableTopLevelWindowsWithTheProgramIcon) {
  for (HWND window : {Main(), Open(L"Tension and Frequency", kTension), Open(L"About", kAbout)}) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
  }
}

TEST_F(GeometryTest, WindowsOpenCentredOnTheWorkArea) {
  for (HWND window : {Main(), Open(L"Tension and Frequency", kTension), Open(L"About", kAbout)}) {
    RECT frame{};
    GetWindowRect(window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
    EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);
  }
}

// Made centred with its menu bar, the main window opens as it was made:
// nothing moves, resizes or measures its frame again before it is seen.
TEST(OpeningTest, TheMainWindowIsShownWhereAndAsItWasMade) {
  static int changes = 0;
  const auto record = [](int code, WPARAM wParam, LPARAM lParam) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent.message == WM_WINDOWPOSCHANGED && ClassOf(sent.hwnd) == L"KorvanelWindow") {
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(sent.lParam)->flags;
      if ((~flags & (SWP_NOMOVE | SWP_NOSIZE)) != 0 || (flags & SWP_FRAMECHANGED) != 0) ++changes;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  };
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, record, nullptr, GetCurrentThreadId());
  RunningProgram program;
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(changes, 0);
}

TEST_F(GeometryTest, ResizingMovesNothing) {
  HWND compute = Child(Main(), L"Button", L"Compute");
  const Box before = Placed(compute);
  SetWindowPos(Main(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Placed(compute), before);
  SetWindowPos(Main(), nullptr, 0, 0, 1000, 900, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Placed(compute), before);
}

// What a control's font draws: face and character height in pixels.
struct DrawnFont {
  std::wstring face;
  int height;
  bool trueType;
};
DrawnFont DrawnFontOf(HWND control) {
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  wchar_t face[LF_FACESIZE]{};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return {face, static_cast<int>(metrics.tmHeight - metrics.tmInternalLeading),
          (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0};
}

// 8.25 pt: 11 pixels at 96 dpi, 16.5 rounded to 17 at 144; 18 pt: 24, 36.
// Halves round down, as the runtime rounds them.
int PointsInPixels(double points, int dpi = Dpi()) {
  return static_cast<int>(std::ceil(points * dpi / 72 - 0.5));
}

TEST_F(GeometryTest, FontsAreTheDesignsAtTheScreensDpi) {
  HWND about = Open(L"About", kAbout);
  const LOGFONTW title = FontOf(Child(about, L"Static", L"Korvanel"));
  EXPECT_EQ(title.lfWeight, FW_NORMAL);
  EXPECT_FALSE(title.lfItalic);
  // Drawn at the design's size, whatever face draws it (MS Sans Serif, or
  // its scalable successor where the bitmap face lacks the size); TrueType
  // may round by a pixel.
  EXPECT_NEAR(DrawnFontOf(Child(about, L"Static", L"Korvanel")).height, PointsInPixels(18), 1);
  HWND credit = Child(about, L"Static", L"Enjoy building and playing!");
  EXPECT_NEAR(DrawnFontOf(credit).height, PointsInPixels(8.25), 1);
  EXPECT_EQ(FontOf(credit).lfHeight, -PointsInPixels(8.25));
  if (Dpi() == 96) {
    EXPECT_EQ(std::wstring(FontOf(credit).lfFaceName), L"MS Sans Serif");
  }
  const LOGFONTW list = FontOf(Child(Main(), L"SysListView32"));
  EXPECT_EQ(std::wstring(list.lfFaceName), L"Courier New");
  EXPECT_EQ(list.lfHeight, -PointsInPixels(8.25));
}

TEST_F(GeometryTest, LabelsAreOneLineWithoutBorderAndTakeNoFocus) {
  HWND label = Child(Main(), L"Static", L"Scale Guitar Length");
  const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
  EXPECT_EQ(style & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
  EXPECT_NE(style & SS_NOPREFIX, 0);
  EXPECT_EQ(style & (WS_BORDER | WS_TABSTOP), 0);
  for (const wchar_t* kind : {L"Button", L"ComboBox", L"SysListView32"}) {
    EXPECT_NE(GetWindowLongPtrW(Child(Main(), kind), GWL_STYLE) & WS_TABSTOP, 0);
  }
  EXPECT_EQ(GetWindowLongPtrW(Child(Main(), L"Button"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

// Where labels overlap, the later one in the design lies above; the lines
// lie above every control.
TEST_F(GeometryTest, TensionStacksItsLabelsInDesignOrderUnderTheLines) {
  HWND tension = Open(L"Tension and Frequency", kTension);
  const std::vector<HWND> order = StackingOrder(tension);
  const auto position = [&order](HWND child) {
    return std::find(order.begin(), order.end(), child) - order.begin();
  };
  HWND frequency = Child(tension, L"Static", L"Frequency   = ");
  HWND bar = Child(tension, L"Static", L"_____________________________________");
  HWND numerator = Child(tension, L"Static", L"Tension");
  EXPECT_LT(position(bar), position(frequency));
  EXPECT_LT(position(numerator), position(bar));
  int lines = 0;
  for (HWND child : order) {
    if (ClassOf(child) != L"KorvanelLine") continue;
    ++lines;
    EXPECT_LT(position(child), position(numerator));
  }
  EXPECT_EQ(lines, 9);
  // Line9, the separator, one pixel high across the window.
  const HWND separator = order.front();
  EXPECT_EQ(Placed(separator), (Box{Px(120), Px(2880), Px(6960) - Px(120) + 1, 1}));
}

// How wide the text of `control` is drawn in its font, in pixels.
int TextWidth(HWND control) {
  wchar_t text[256]{};
  const int length = GetWindowTextW(control, text, 256);
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text, length, &extent);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return static_cast<int>(extent.cx);
}

// The controls of `form` with their fonts, the list columns and the lines of
// `design` at `dpi`.
void ExpectDesignAt(const win32::Win32Form& form, const WindowDesign& design, int dpi) {
  HWND window = form.Handle();
  for (const ControlDesign& control : design.controls) {
    static constexpr const wchar_t* kClasses[] = {L"Static",         L"Button",   L"ComboBox",
                                                  L"SysListView32",  L"ComboBox", L"Edit",
                                                  L"KorvanelDrawing"};
    HWND child = form.ControlNamed(control.name);
    SCOPED_TRACE(std::string(control.name));
    ASSERT_EQ(ClassOf(child), kClasses[static_cast<int>(control.kind)]);
    EXPECT_EQ(Placed(child), Design(control.left, control.top, control.width, control.height, dpi));
    // A drawing shows no text of a font.
    if (control.kind == ControlKind::Drawing) continue;
    EXPECT_EQ(FontOf(child).lfHeight, -PointsInPixels(control.font.points, dpi));
    // MS Sans Serif has no 22-pixel face, and its 16 tripled for the 18-pt
    // title is a stretched bitmap: both are drawn in TrueType.
    EXPECT_TRUE(dpi != 192 || control.kind == ControlKind::List || DrawnFontOf(child).trueType);
    // A label does not grow with its text; the fraction bar, a row of
    // underscores, is meant to run to its label's end.
    if (control.kind == ControlKind::Label &&
        control.text.find_first_not_of('_') != std::string::npos) {
      EXPECT_LE(TextWidth(child), Placed(child).width) << "the text is cut";
    }
    for (std::size_t i = 0; i < control.columns.size(); ++i) {
      EXPECT_EQ(SendMessageW(child, LVM_GETCOLUMNWIDTH, i, 0), PxAt(control.columns[i].width, dpi));
    }
  }
  std::vector<HWND> lines;  // stacked from the last one made
  for (HWND child : StackingOrder(window)) {
    if (ClassOf(child) == L"KorvanelLine") lines.insert(lines.begin(), child);
  }
  ASSERT_EQ(lines.size(), design.lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto [x1, y1, x2, y2] =
        Design(design.lines[i].x1, design.lines[i].y1, design.lines[i].x2, design.lines[i].y2, dpi);
    EXPECT_EQ(Placed(lines[i]), (Box{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                                     std::abs(y2 - y1) + 1}));
  }
}

// Wine 8 never moves a window to another DPI: the test sends WM_DPICHANGED
// as Windows does, with the rectangle that WM_GETDPISCALEDSIZE asked for.
struct WindowCase {
  const wchar_t* menuItem;  // none for the main window
  const wchar_t* caption;
  const WindowDesign* design;
  const wchar_t* menu = L"?";
};
class DpiChangeTest : public GeometryTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(DpiChangeTest, LaysTheWindowOutAgainAtTheNewDpiInTheSuggestedRectangle) {
  HWND window =
      GetParam().menuItem ? Open(GetParam().menuItem, GetParam().caption, GetParam().menu) : Main();
  const Box frame = Placed(window);
  for (const int dpi : {Dpi(), 144, 192, Dpi()}) {
    SCOPED_TRACE(dpi);
    SIZE size{};
    SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                 reinterpret_cast<LPARAM>(&size));
    // Windows keeps a window within the maximum tracking size, which the
    // main window at 192 dpi exceeds on the test display.
    const Box suggested{frame.left + dpi / 48, frame.top,
                        std::min<int>(size.cx, GetSystemMetrics(SM_CXMAXTRACK)),
                        std::min<int>(size.cy, GetSystemMetrics(SM_CYMAXTRACK))};
    RECT rect{suggested.left, suggested.top, suggested.left + suggested.width,
              suggested.top + suggested.height};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(Placed(window), suggested);
    if (dpi == Dpi()) {  // Wine draws the frame at the system's DPI only
      EXPECT_EQ(Size(ClientSize(window)),
                Size(GetParam().design->clientWidth, GetParam().design->clientHeight));
    }
    ExpectDesignAt(FormOf(window), *GetParam().design, dpi);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllWindows, DpiChangeTest,
    ::testing::Values(WindowCase{nullptr, nullptr, &design::kMain},
                      WindowCase{L"Tension and Frequency", kTension, &design::kTension},
                      WindowCase{L"About", kAbout, &design::kAbout},
                      WindowCase{L"Fret Template...", kTemplate, &design::kTemplate, L"File"}));

}  // namespace
}  // namespace korvanel::test
