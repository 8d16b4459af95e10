// The floor for Korvanel's start-up on Windows, measured against what it
// shows: its main window written by hand in the most direct Win32 code. The
// same resources as korvanel.exe (manifest, so common controls 6, and icon),
// the same class and window styles, the menu bar made before the window and
// the window made centred on the work area, the controls at the design's
// places (ui/main/mMainDesign.h, twips at the screen's DPI) in the design's
// fonts, the 15 lengths with 650 shown, and the focus on Compute. The fonts
// are the design's faces without Korvanel's check for a bitmap face's size:
// at 96 dpi "MS Sans Serif" has it.
#include "YardstickWindow.h"

#include <cwchar>

#include "KorvanelResources.h"

namespace {

using korvanel::bench::Pixels;

// 8.25 pt in pixels, halves rounded down as Korvanel rounds them.
int FontPixels(int dpi) { return (825 * dpi + 3599) / 7200; }

HFONT Font(const wchar_t* face, int dpi) {
  return CreateFontW(-FontPixels(dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, DWORD exStyle,
           const RECT& twips, int dpi, HFONT font) {
  HWND child = CreateWindowExW(exStyle, kind, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                               Pixels(twips.left, dpi), Pixels(twips.top, dpi),
                               Pixels(twips.right, dpi), Pixels(twips.bottom, dpi), parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

HMENU Menu(const wchar_t* first, const wchar_t* last) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, first);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, 2, last);
  return menu;
}

HICON Icon(HINSTANCE instance, int size) {
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(KORVANEL_ICON), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace korvanel::bench;
  InitMainWindowControls();

  const int dpi = ScreenDpi();
  if (!RegisterYardstickClass(instance, L"HandWrittenWindow",
                              Icon(instance, GetSystemMetrics(SM_CXICON)),
                              Icon(instance, GetSystemMetrics(SM_CXSMICON)))) {
    return 1;
  }
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Menu(L"Print", L"Exit")), L"File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Menu(L"Tension and Frequency", L"About")),
              L"?");
  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  const SIZE size = MainWindowSize(kStyle, true, dpi);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  HWND window = CreateWindowExW(0, L"HandWrittenWindow", L"Korvanel", kStyle,
                                work.left + (work.right - work.left - size.cx) / 2,
                                work.top + (work.bottom - work.top - size.cy) / 2, size.cx, size.cy,
                                nullptr, bar, instance, nullptr);
  if (window == nullptr) return 1;

  HFONT sans = Font(L"MS Sans Serif", dpi);
  HFONT fixed = Font(L"Courier New", dpi);
  // Rectangles as left, top, width, height in twips.
  Child(window, L"STATIC", L"Scale Guitar Length", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0,
        {120, 170, 1455, 285}, dpi, sans);
  // A drop-down combo box is made as high as its closed box and opened list.
  HWND combo =
      Child(window, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
            {1680, 120, 1335, 315 * 9}, dpi, sans);
  Child(window, L"STATIC", L"mm", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, {3120, 170, 495, 285}, dpi,
        sans);
  HWND compute = Child(window, L"BUTTON", L"Compute", WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                       {3840, 70, 1215, 405}, dpi, sans);
  HWND list = Child(window, WC_LISTVIEWW, L"",
                    WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_NOSORTHEADER,
                    WS_EX_CLIENTEDGE, {120, 720, 8055, 6450}, dpi, fixed);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const wchar_t* headers[] = {L"Fret", L"Distance from previous (mm)", L"Whole Distance (mm)"};
  const int widths[] = {1000, 3500, 3500};
  for (int index = 0; index < 3; ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = Pixels(widths[index], dpi);
    column.pszText = const_cast<wchar_t*>(headers[index]);
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
  }
  for (int length = 600; length <= 670; length += 5) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%d", length);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  // 650, the eleventh entry, also goes into the box's text.
  SendMessageW(combo, CB_SETCURSEL, 10, 0);

  const int status = ShowAndRun(window, compute);
  DeleteObject(fixed);
  DeleteObject(sans);
  return status;
}
